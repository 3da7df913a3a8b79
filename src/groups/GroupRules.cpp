// SPDX-License-Identifier: GPL-3.0-or-later
#include "groups/GroupRules.h"

#include "common/FieldLength.h"
#include "common/FieldText.h"
#include "store/Columns.h"
#include "store/Statements.h"

#include <QCoreApplication>

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
        return QCoreApplication::translate("Vantory", "Group Name already exists.");
    }
    return std::nullopt;
}

std::optional<QString> groupInputRefusal(const QString& name, const QString& description) {
    if (common::isTooLong(name) || common::isTooLong(description)) {
        return QCoreApplication::translate("Vantory", "Field input too long.");
    }
    // Spaces make a name; only the empty text does not.
    if (name.isEmpty()) {
        return QCoreApplication::translate("Vantory", "Please input Group Name");
    }
    if (name.contains(u'\'') || description.contains(u'\'')) {
        return QCoreApplication::translate("Vantory", "Please do not use quote marks.");
    }
    return std::nullopt;
}

} // namespace groups
