#include "app/Form1.h"
#include "common/ErrorTrap.h"
#include "common/FieldText.h"
#include "common/ImageLists.h"
#include "common/QtColour.h"
#include "groups/GroupCommands.h"
#include "launch/HelpCommand.h"
#include "launch/LaunchCommand.h"
#include "shortcuts/ShortcutCommands.h"
#include "store/Codes.h"
#include "store/Columns.h"
#include "store/Statements.h"

#include <QLabel>
#include <QListWidget>
#include <QTreeWidget>
#include <stdexcept>

namespace app {

void Form1::loadItems() {
    common::Trap trap(services_.messages, this, QStringLiteral("Form1.loadItems"));
    store::ResultSet rs;
    QTreeWidgetItem* node = selectedNode();
    if (trap.test(102, [&] { return node == nullptr; })) {
        return;
    }
    if (trap.test(104, [&] { return nodeKey(node) == QLatin1String(kRootKey); })) {
        return;
    }
    // Filling with updates suspended and scrolling once at the end keeps long lists fast; the
    // list still ends scrolled to its last item.
    list_->setUpdatesEnabled(false);
    trap.step(106, [&] { list_->clear(); });
    trap.step(108, [&] {
        rs = store::selectItemsOfGroup(globals_.connection(), node->text(0).toStdString());
    });
    int image = 0;
    while (!rs.eof()) {
        if (trap.test(112, [&] {
                return rs.field(store::column::itemtype).toInt16() == store::kind::ShellFile;
            })) {
            trap.step(114, [&] { image = 2; });
        } else {
            trap.step(116, [&] { image = rs.field(store::column::itemtype).toInt16(); });
        }
        QListWidgetItem* item = nullptr;
        trap.step(118, [&] {
            const QIcon icon = common::imageListIcon(image + 1);
            item =
                new QListWidgetItem(icon, common::fieldText(rs, store::column::itemcaption), list_);
            item->setData(kImageRole, image + 1);
        });
        if (item) {
            trap.step(120, [&] {
                item->setForeground(
                    common::colourFromCode(rs.field(store::column::itemtextcolor).toInt32()));
            });
        }
        trap.step(124, [&] { rs.moveNext(); });
    }
    trap.step(126, [&] {
        if (rs.isOpen()) {
            rs.close();
        }
    });
    list_->setUpdatesEnabled(true);
    if (list_->count() > 0) {
        // A filled list always has a selected shortcut, the first, so that launching acts
        // without a click first; the view still ends at the last one.
        list_->setCurrentItem(list_->item(0));
        list_->scrollToItem(list_->item(list_->count() - 1));
    }
}

void Form1::ListView1_ItemClick(QListWidgetItem* item) {
    // The click acts on the entry clicked, which also becomes the selected one.
    if (item && list_->currentItem() != item) {
        list_->setCurrentItem(item);
    }
    common::Trap trap(services_.messages, this, QStringLiteral("Form1.ListView1_ItemClick"));
    if (list_->count() >= 1) {
        store::ResultSet rs;
        // The shortcut is looked up within the selected category, so that a caption used in two
        // categories shows and launches the one on screen.
        trap.step(100, [&] {
            const std::string caption = item ? item->text().toStdString() : std::string();
            rs = store::selectItemInGroup(globals_.connection(), caption,
                                          selectedNodeText().toStdString());
        });
        trap.step(102, [&] {
            label_->setText(rs.eof() ? QString()
                                     : common::fieldText(rs, store::column::itemdescription));
        });
        trap.step(104, [&] {
            if (rs.isOpen()) {
                rs.close();
            }
        });
    }
    PushButton7_Click();
}

void Form1::ScrollToItem(int index) {
    QListWidgetItem* item = list_->item(index - 1);
    if (!item) {
        throw std::out_of_range("Invalid list index");
    }
    list_->scrollToItem(item, QAbstractItemView::PositionAtTop);
    list_->setCurrentItem(item);
    list_->setFocus();
}

void Form1::PushButton1_Click() {
    groups::runAddGroup(commands_);
}

void Form1::PushButton2_Click() {
    groups::runEditGroup(commands_);
}

void Form1::PushButton3_Click() {
    groups::runDeleteGroup(commands_);
}

void Form1::PushButton6_Click() {
    shortcuts::runDeleteSelected(commands_);
}

void Form1::PushButton4_Click() {
    shortcuts::runAddShortcutByExe(commands_);
}

void Form1::PushButton5_Click() {
    shortcuts::runEditSelected(commands_);
}

void Form1::PushButton9_Click() {
    shortcuts::runAddShortcutByLnk(commands_);
}

void Form1::PushButton7_Click() {
    launch::runLaunchCommand(commands_);
}

void Form1::PushButton8_Click() {
    launch::runHelpCommand(services_, this);
}

} // namespace app
