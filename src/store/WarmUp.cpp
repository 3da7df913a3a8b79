// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/WarmUp.h"

#include "store/NameCollator.h"
#include "store/StoreError.h"

#include <sqlite3.h>

namespace store {

void warmUp(const std::string& collationLocale) {
    sqlite3_initialize();
    try {
        const NameCollator names(collationLocale);
    } catch (const StoreError&) {
        // The open itself reports a locale that cannot be loaded.
    }
}

} // namespace store
