// SPDX-License-Identifier: GPL-3.0-or-later
#include "installed/AddToCatalogue.h"

#include "common/CatalogueBackups.h"
#include "store/Codes.h"
#include "store/Statements.h"
#include "store/StoreError.h"
#include "store/Transaction.h"

#include <QCoreApplication>

namespace installed {

std::vector<AddedShortcut> addToCatalogue(store::Connection& db,
                                          const std::vector<CategoryPlan>& plans) {
    std::vector<AddedShortcut> added;
    for (const CategoryPlan& plan : plans) {
        for (const NewShortcut& shortcut : plan.shortcuts)
            added.push_back({plan.group, shortcut.caption});
    }
    if (added.empty())
        return added;
    try {
        common::backUpBeforeChange(db);
    } catch (const std::exception& e) {
        throw store::StoreError(
            QCoreApplication::translate("Vantory",
                                        "Vantory could not back up the catalogue into %1.\n\n%2")
                .arg(QString::fromStdString(common::backupFolderOf(db).string()),
                     QString::fromStdString(e.what()))
                .toStdString());
    }
    store::Transaction all(db);
    for (const CategoryPlan& plan : plans) {
        const std::string group = plan.group.toStdString();
        if (!plan.exists && !plan.shortcuts.empty())
            store::insertGroup(db, store::GroupRow{group, "", "", 0});
        for (const NewShortcut& shortcut : plan.shortcuts) {
            // Started as the application its desktop entry describes, in a normal window.
            store::insertItem(
                db, store::ItemRow{group, shortcut.caption.toStdString(),
                                   shortcut.description.toStdString(), shortcut.path.toStdString(),
                                   "", store::kind::Application, 0, store::windowstate::Normal});
        }
    }
    all.commit();
    return added;
}

} // namespace installed
