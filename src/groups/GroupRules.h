// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

namespace store {
class Connection;
}

namespace groups {

// Why the group editor refuses a name and description, tested in the order the user is told:
// length, an empty name, quote marks. None when they may be saved.
std::optional<QString> groupInputRefusal(const QString& name, const QString& description);

// Why the group editor refuses a name another category already bears (common::sameName). While
// a category is being edited its own row (named editedName) does not count, so that a change of
// letter case alone is allowed. None when the name is free; errors of
// the lookup pass to the caller.
std::optional<QString> takenNameRefusal(store::Connection& db, const QString& name,
                                        const std::optional<QString>& editedName);

} // namespace groups
