// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Form1.h"
#include "installed/AddInstalledCommand.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QMenu>
#include <QTreeWidget>

namespace app {

bool Form1::showTreeMenu(QObject* watched, const QContextMenuEvent& event) {
    // A click names the node under the pointer; the Menu key the node that has the focus.
    const bool clicked = event.reason() != QContextMenuEvent::Keyboard;
    if (clicked && watched != tree_->viewport())
        return false;
    QTreeWidgetItem* node = clicked ? tree_->itemAt(event.pos()) : tree_->currentItem();
    if (node == nullptr || nodeKey(node) != QLatin1String(kRootKey))
        return false;
    const QPoint at = clicked
                          ? event.globalPos()
                          : tree_->viewport()->mapToGlobal(tree_->visualItemRect(node).center());
    QMenu menu(this);
    fillRootMenu(menu);
    menu.exec(at);
    return true;
}

void Form1::fillRootMenu(QMenu& menu) {
    // What applies to the whole catalogue.
    QAction* add =
        menu.addAction(QCoreApplication::translate("Vantory", "Add Installed Applications…"));
    connect(add, &QAction::triggered, this,
            [this] { installed::addInstalledApplications(commands_); });
    add->setObjectName(QStringLiteral("addInstalledApplications"));
    fillSyncMenu(menu);
}

} // namespace app
