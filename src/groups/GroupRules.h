// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

namespace groups {

// Why the group editor refuses a name and description, tested in the order the user is told:
// length, an empty name, quote marks. None when they may be saved.
std::optional<QString> groupInputRefusal(const QString& name, const QString& description);

} // namespace groups
