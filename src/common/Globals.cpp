// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Globals.h"

#include "store/StoreError.h"

namespace common {

store::Connection& Globals::connection() {
    if (!gConnection) {
        throw store::catalogueNotOpen();
    }
    return *gConnection;
}

} // namespace common
