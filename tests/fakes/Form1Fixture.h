#pragma once

#include "app/Form1.h"
#include "app/Globals.h"
#include "fakes/FakeServices.h"
#include "fakes/TempCatalogue.h"

#include <QListWidget>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace fakes {

// A main window on a real, empty catalogue with fake platform services.
class Form1Fixture : public ::testing::Test {
  protected:
    Form1Fixture() {
        globals.gConnection = catalogue.open();
        platform.environment.variables[QStringLiteral("COMPUTERNAME")] = QStringLiteral("DESK");
    }

    store::Connection& db() { return *globals.gConnection; }

    // Rebuilds the tree and clicks the node with this text.
    QTreeWidgetItem* clickCategory(const QString& name) {
        form.loadGroups();
        QTreeWidgetItem* root = form.TreeView1()->topLevelItem(0);
        for (int i = 0; i < root->childCount(); ++i) {
            if (root->child(i)->text(0) == name) {
                form.TreeView1()->setCurrentItem(root->child(i));
                return root->child(i);
            }
        }
        ADD_FAILURE() << "no category " << name.toStdString();
        return nullptr;
    }

    QStringList listCaptions() const {
        QStringList captions;
        for (int i = 0; i < form.ListView1()->count(); ++i) {
            captions << form.ListView1()->item(i)->text();
        }
        return captions;
    }

    // Selects a shortcut by caption and clicks it.
    void clickShortcut(const QString& caption) {
        const auto found = form.ListView1()->findItems(caption, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        form.ListView1()->setCurrentItem(found.first());
        form.ListView1_ItemClick(found.first());
    }

    TempCatalogue catalogue;
    FakePlatform platform;
    app::Globals globals;
    app::Form1 form{platform.services, globals};
};

} // namespace fakes
