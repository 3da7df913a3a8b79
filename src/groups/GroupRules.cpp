// SPDX-License-Identifier: GPL-3.0-or-later
#include "groups/GroupRules.h"

#include "common/FieldText.h"
#include "common/InputRules.h"
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
    return common::firstBrokenRule({
        common::tooLongRule(name, description),
        // Spaces make a name; only the empty text does not.
        {name.isEmpty(), QT_TRANSLATE_NOOP("Vantory", "Please input Group Name")},
        common::quoteMarkRule(name, description),
    });
}

} // namespace groups
