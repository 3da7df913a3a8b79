// SPDX-License-Identifier: GPL-3.0-or-later
#include "groups/GroupRules.h"

#include "common/FieldLength.h"

namespace groups {

std::optional<QString> groupInputRefusal(const QString& name, const QString& description) {
    if (common::isTooLong(name) || common::isTooLong(description)) {
        return QStringLiteral("Field input too long.");
    }
    // Spaces make a name; only the empty text does not.
    if (name.isEmpty()) {
        return QStringLiteral("Please input Group Name");
    }
    if (name.contains(u'\'') || description.contains(u'\'')) {
        return QStringLiteral("Please do not use quote marks.");
    }
    return std::nullopt;
}

} // namespace groups
