// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/Connection.h"
#include "store/Rows.h"

#include <QString>
#include <optional>

namespace groups {

// Changes the category named oldName and, when its name changes, files its shortcuts under the
// new name: both or neither.
void updateGroupWithShortcuts(store::Connection& db, const QString& oldName,
                              const store::GroupRow& row);

// Removes a category and every shortcut filed under it: both or neither.
void deleteGroupWithShortcuts(store::Connection& db, const QString& name);

} // namespace groups
