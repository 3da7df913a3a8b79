// SPDX-License-Identifier: GPL-3.0-or-later
#include "groups/GroupRules.h"

#include "common/FieldLength.h"
#include "common/FieldText.h"
#include "store/Columns.h"
#include "store/Statements.h"

namespace groups {

namespace {

bool groupNameTaken(store::Connection& db, const QString& name,
                    const std::optional<QString>& editedName) {
    store::ResultSet rs = store::selectGroup(db, name.toStdString());
    bool taken = false;
    while (!taken && !rs.eof()) {
        taken = !editedName || common::fieldText(rs, store::column::groupcaption) != *editedName;
        rs.moveNext();
    }
    rs.close();
    return taken;
}

} // namespace

std::optional<QString> takenNameRefusal(store::Connection& db, const QString& name,
                                        const std::optional<QString>& editedName) {
    if (groupNameTaken(db, name, editedName)) {
        return QStringLiteral("Group Name already exists.");
    }
    return std::nullopt;
}

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
