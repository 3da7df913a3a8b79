// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/Form1.h"
#include "common/Globals.h"
#include "fakes/FakeServices.h"
#include "fakes/TempCatalogue.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <string>

namespace fakes {

// A main window on a real, empty catalogue with fake platform services.
class Form1Fixture : public ::testing::Test {
  protected:
    Form1Fixture() {
        globals.gConnection = catalogue.open();
        platform.environment.variables[QStringLiteral("COMPUTERNAME")] = QStringLiteral("DESK");
        // Clicks reach only a shown window.
        form.show();
    }

    store::Connection& db() { return *globals.gConnection; }

    // Opens the catalogue again through another SQLite VFS: tests that fail writes on purpose
    // open it through fakes::FaultyVfs.
    void reopenThrough(const std::string& vfs) {
        globals.gConnection.reset();
        globals.gConnection = std::make_unique<store::Connection>();
        globals.gConnection->open(catalogue.path().toStdString(), {.vfs = vfs});
    }

    // Clicks a node where it shows on screen, as the user would.
    void clickNode(QTreeWidgetItem* node) {
        QTreeWidget* tree = form.TreeView1();
        tree->scrollToItem(node);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                          tree->visualItemRect(node).center());
    }

    // Clicks the tree's root node.
    void clickRoot() { clickNode(form.TreeView1()->topLevelItem(0)); }

    // The node with this text under the root, or none.
    QTreeWidgetItem* findCategory(const QString& name) {
        QTreeWidgetItem* root = form.TreeView1()->topLevelItem(0);
        for (int i = 0; root && i < root->childCount(); ++i) {
            if (root->child(i)->text(0) == name) {
                return root->child(i);
            }
        }
        return nullptr;
    }

    // Rebuilds the tree and clicks the node with this text.
    QTreeWidgetItem* clickCategory(const QString& name) {
        form.loadGroups();
        QTreeWidgetItem* node = findCategory(name);
        if (!node) {
            ADD_FAILURE() << "no category " << name.toStdString();
            return nullptr;
        }
        clickNode(node);
        return node;
    }

    // Clicks an entry of the list where it shows on screen.
    void clickEntry(QListWidgetItem* entry) {
        QListWidget* list = form.ListView1();
        list->scrollToItem(entry);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(entry).center());
    }

    QStringList listCaptions() const {
        QStringList captions;
        for (int i = 0; i < form.ListView1()->count(); ++i) {
            captions << form.ListView1()->item(i)->text();
        }
        return captions;
    }

    // Clicks the shortcut with this caption.
    void clickShortcut(const QString& caption) {
        const auto found = form.ListView1()->findItems(caption, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        clickEntry(found.first());
    }

    // Clicks a button of the main window.
    void clickButton(int number) { QTest::mouseClick(form.PushButton(number), Qt::LeftButton); }

    TempCatalogue catalogue;
    FakePlatform platform;
    common::Globals globals;
    app::Form1 form{platform.services, globals};
};

} // namespace fakes
