// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/Connection.h"
#include "store/Rows.h"

#include <QString>
#include <optional>

namespace groups {

// True when a category already bears this name in any letter case. While a category is being
// edited its own row (the one named editedName exactly as stored) does not count, so that a
// change of letter case alone is allowed.
bool groupNameTaken(store::Connection& db, const QString& name,
                    const std::optional<QString>& editedName = std::nullopt);

// Changes the category named oldName and, when its name changes, files its shortcuts under the
// new name: both or neither.
void updateGroupWithShortcuts(store::Connection& db, const QString& oldName,
                              const store::GroupRow& row);

// Removes a category and every shortcut filed under it: both or neither.
void deleteGroupWithShortcuts(store::Connection& db, const QString& name);

} // namespace groups
