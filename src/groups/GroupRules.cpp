// SPDX-License-Identifier: GPL-3.0-or-later
#include "groups/GroupRules.h"

#include "common/InputRules.h"
#include "common/NameRule.h"
#include "store/Statements.h"

#include <QCoreApplication>

namespace groups {

std::optional<QString> takenNameRefusal(store::Connection& db, const QString& name,
                                        const std::optional<QString>& editedName) {
    std::optional<common::RenamedRow> renamed;
    if (editedName) {
        renamed = common::RenamedRow{editedName->toStdString(), std::nullopt};
    }
    if (common::heldByAnother(db, store::selectGroup(db, name.toStdString()), renamed)) {
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
