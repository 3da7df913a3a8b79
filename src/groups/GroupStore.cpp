// SPDX-License-Identifier: GPL-3.0-or-later
#include "groups/GroupStore.h"

#include "store/Columns.h"
#include "store/Statements.h"
#include "store/Transaction.h"

namespace groups {

void updateGroupWithShortcuts(store::Connection& db, const QString& oldName,
                              const store::GroupRow& row) {
    const std::string old = oldName.toStdString();
    store::Transaction transaction(db);
    store::updateGroup(db, old, row);
    if (row.groupcaption != old) {
        store::moveItemsToGroup(db, old, row.groupcaption);
    }
    transaction.commit();
}

void deleteGroupWithShortcuts(store::Connection& db, const QString& name) {
    const std::string group = name.toStdString();
    store::Transaction transaction(db);
    store::deleteGroup(db, group);
    store::deleteItemsOfGroup(db, group);
    transaction.commit();
}

} // namespace groups
