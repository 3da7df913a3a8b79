// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CategoryNode.h"
#include "app/Form1.h"
#include "common/ColourScheme.h"
#include "common/ErrorText.h"
#include "common/ErrorTrap.h"
#include "common/FieldText.h"
#include "common/ImageLists.h"
#include "common/QtColour.h"
#include "store/Columns.h"
#include "store/Statements.h"
#include "store/StoreError.h"

#include <QApplication>
#include <QCoreApplication>
#include <QHash>
#include <QLabel>
#include <QListWidget>
#include <QTreeWidget>
#include <utility>

namespace app {

namespace {

// The tree names the root after the computer.
QString computerName(platform::Environment& env) {
    return env.variable(QStringLiteral("COMPUTERNAME")).value_or(env.hostName());
}

} // namespace

void Form1::loadGroups() {
    noteSyncChange();
    // The tree is rebuilt whole; its selection moves are not node clicks.
    const QSignalBlocker quiet(tree_);
    store::ResultSet rs;
    tree_->clear();
    auto* root = new QTreeWidgetItem(tree_, QStringList{computerName(services_.environment)});
    root->setData(0, Qt::UserRole, QString::fromLatin1(kRootKey));
    root->setIcon(0, common::imageListIcon(1));
    root->setToolTip(0, rootHover());
    // Start-up's categories may have been read ahead, once.
    rs = ahead_.groups ? *std::exchange(ahead_.groups, std::nullopt)
                       : store::selectGroupNamesAndColours(globals_.connection());
    // The category nodes are made apart from the tree and joined to the root in one step: added
    // one at a time under an expanded root, each makes the view lay itself out again.
    QList<QTreeWidgetItem*> nodes;
    nodes.reserve(static_cast<qsizetype>(rs.rowCount()));
    const auto joinNodes = [&] {
        root->addChildren(nodes);
        if (!nodes.isEmpty()) {
            root->setExpanded(true);
        }
    };
    const QIcon folder = common::imageListIcon(2);
    const QPalette scheme = QApplication::palette();
    // A colour that cannot be read must not hide the categories after it: that category keeps
    // the default colour, and the fault is told once when the whole tree stands.
    QString colourFault;
    int colourFaults = 0;
    QHash<QRgb, QColor> shownColours; // stored colour -> the one shown on this scheme
    try {
        while (!rs.eof()) {
            const QString caption = common::fieldText(rs, store::column::groupcaption);
            std::optional<QColor> colour;
            try {
                colour = common::colourFromCode(rs.field(store::column::grouptextcolor).toInt32());
            } catch (const store::StoreError& e) {
                if (colourFaults++ == 0) {
                    colourFault =
                        QCoreApplication::translate(
                            "Vantory", "The category \"%1\" is shown in the default colour. %2")
                            .arg(caption, common::errorText(e));
                }
            }
            std::optional<QColor> shown;
            if (colour) {
                auto known = shownColours.constFind(colour->rgba());
                if (known == shownColours.cend()) {
                    known =
                        shownColours.insert(colour->rgba(), common::shownColour(*colour, scheme));
                }
                shown = *known;
            }
            nodes.append(new CategoryNode(caption, folder, colour, shown));
            rs.moveNext();
        }
    } catch (...) {
        // Any other failure ends the rebuild with the categories read so far in the tree.
        joinNodes();
        throw;
    }
    joinNodes();
    if (rs.isOpen()) {
        rs.close();
    }
    label_->setText(QString());
    if (colourFaults == 2) {
        colourFault += QLatin1Char(' ') +
                       QCoreApplication::translate(
                           "Vantory", "One more category is shown in the default colour too.");
    } else if (colourFaults > 2) {
        colourFault += QLatin1Char(' ') +
                       QCoreApplication::translate(
                           "Vantory", "%1 more categories are shown in the default colour too.")
                           .arg(colourFaults - 1);
    }
    if (colourFaults > 0) {
        throw store::StoreError(colourFault.toStdString());
    }
}

void Form1::TreeView1_NodeClick(QTreeWidgetItem* node) {
    if (node == nullptr) {
        // No node is current: the tree could not be read again after a failed command.
        label_->setText(QString());
        list_->clear();
        mNodeIsGroup = false;
        return;
    }
    common::Trap trap(services_.messages, this, QStringLiteral("Form1.TreeView1_NodeClick"));
    store::ResultSet rs;
    trap.step(102, [&] { label_->setText(QString()); });
    trap.step(104, [&] { list_->clear(); });
    if (trap.test(106, [&] { return nodeKey(node) == QLatin1String(kRootKey); })) {
        trap.step(134, [&] { mNodeIsGroup = false; });
        return;
    }
    trap.step(108, [&] { mNodeIsGroup = true; });
    trap.step(110,
              [&] { rs = store::selectGroup(globals_.connection(), node->text(0).toStdString()); });
    if (trap.test(112, [&] { return !rs.eof(); })) {
        trap.step(114, [&] {
            label_->setText(common::descriptionText(rs, store::column::groupdescription));
        });
        QString picture;
        if (trap.test(116, [&] {
                picture = common::fieldText(rs, store::column::backgroundimage);
                return !picture.isEmpty();
            })) {
            if (trap.test(118, [&] { return services_.files.isNormalFile(picture); })) {
                // A palette brush tiles its picture.
                trap.step(120, [&] { setListBackground(services_.images.loadPicture(picture)); });
            } else {
                trap.step(124, [&] { setListBackground(std::nullopt); });
            }
        } else {
            trap.step(126, [&] { setListBackground(std::nullopt); });
        }
    } else {
        trap.step(128, [&] { setListBackground(std::nullopt); });
    }
    trap.step(130, [&] {
        if (rs.isOpen()) {
            rs.close();
        }
    });
    trap.step(132, [&] { loadItems(); });
}

void Form1::showCatalogueFromTheRoot() {
    // Start-up's own steps, reported under start-up's name.
    common::Trap trap(services_.messages, this, QStringLiteral("Form1.Form_Load"));
    trap.step(152, [&] {
        try {
            loadGroups();
        } catch (const store::StoreError&) {
            // A read that fails before the pages are checked may have met damage: the check
            // then says so in one message, rather than each failed read in a box of its own.
            store::Connection* db = globals_.gConnection.get();
            if (db != nullptr && db->isOpen() && db->pageCheckPending()) {
                db->settlePageCheck();
            }
            if (db == nullptr || !db->isOpen() || !db->isDamaged()) {
                throw;
            }
            try {
                loadGroups(); // what the damaged file still gives; the damage message follows
            } catch (const store::StoreError&) {
            }
        }
    });
    if (trap.test(154, [&] { return tree_->topLevelItemCount() >= 1; })) {
        QTreeWidgetItem* root = nullptr;
        trap.step(156, [&] {
            root = tree_->topLevelItem(0);
            const QSignalBlocker quiet(tree_);
            tree_->setCurrentItem(root);
        });
        trap.step(158, [&] { TreeView1_NodeClick(selectedNode()); });
    }
}

} // namespace app
