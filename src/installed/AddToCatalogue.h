// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "installed/ApplicationFiling.h"
#include "store/Connection.h"

#include <QString>
#include <vector>

namespace installed {

struct AddedShortcut {
    QString group;
    QString caption;
};

// Backs the catalogue up, then adds the planned categories that are new and every planned
// shortcut in one transaction: all of them or, after any failure, none. Throws StoreError with
// the message to show; when the backup fails nothing is changed.
std::vector<AddedShortcut> addToCatalogue(store::Connection& db,
                                          const std::vector<CategoryPlan>& plans);

} // namespace installed
