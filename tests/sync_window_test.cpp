// SPDX-License-Identifier: GPL-3.0-or-later
// The main window keeping in step: the root's menu chooses and stops the folder, and changes
// travel both ways while it runs.

#include "sync/SyncKeeper.h"

#include "fakes/GroupEditorFixture.h"
#include "fakes/SyncComputer.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QMenu>
#include <QTemporaryDir>
#include <QTimer>

using namespace fakes;

namespace {

class SyncWindow : public GroupEditorFixture {
  protected:
    SyncWindow() { form.keepInStepThrough(files); }

    // Right-clicks the root and picks the menu entry with this text.
    void pickFromRootMenu(const QString& entry) {
        bool picked = false;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            for (QAction* action : menu->actions()) {
                if (action->text() == entry && action->isEnabled()) {
                    picked = true;
                    menu->close();
                    action->trigger();
                    return;
                }
            }
            menu->close();
        });
        QTreeWidget* tree = form.TreeView1();
        // What the desktop sends for a right click (or the Menu key) on the root.
        const QPoint at = tree->visualItemRect(tree->topLevelItem(0)).center();
        QContextMenuEvent click(QContextMenuEvent::Mouse, at, tree->viewport()->mapToGlobal(at));
        QApplication::sendEvent(tree->viewport(), &click);
        EXPECT_TRUE(picked) << entry.toStdString();
    }

    QString rootHover() { return form.TreeView1()->topLevelItem(0)->toolTip(0); }

    QTemporaryDir shared;
    QTemporaryDir state;
    SyncFilesAt files{state.path()};
};

TEST_F(SyncWindow, RootMenuChoosesTheFolderAndStopsKeepingInStep) {
    form.loadGroups();
    form.syncKeeper()->start(); // as start-up does once the catalogue is backed up
    EXPECT_EQ(rootHover(), QString());
    platform.dialogs.folders.push_back(shared.path());
    pickFromRootMenu(QStringLiteral("Keep in Step with a Folder\u2026"));
    EXPECT_EQ(files.folder(), shared.path());
    EXPECT_EQ(QDir(shared.path() + QStringLiteral("/Vantory")).entryList(QDir::Files).size(), 1);
    const QString hover = rootHover();
    EXPECT_TRUE(hover.startsWith(QStringLiteral("Kept in step through ") + shared.path()) &&
                hover.contains(QStringLiteral("no other computer")))
        << hover.toStdString();

    pickFromRootMenu(QStringLiteral("Stop Keeping in Step"));
    EXPECT_EQ(files.folder(), QString());
    EXPECT_EQ(rootHover(), QString());
    EXPECT_TRUE(platform.messages.shown.empty());
}

TEST_F(SyncWindow, ChangesTravelBothWaysWhileTheWindowRuns) {
    files.setFolder(shared.path());
    SyncComputer bob(shared.path(), QStringLiteral("bob"));
    form.loadGroups();
    form.syncKeeper()->start();

    addThroughEditor(QStringLiteral("Games"));
    // The window merges a moment after its own change.
    QTRY_VERIFY_WITH_TIMEOUT((bob.merge(1), !bob.rows().empty()), 10000);
    EXPECT_EQ(bob.rows(), std::vector<std::string>{"Games|||0"});

    store::insertGroup(bob.db(), group("Tools", "from bob"));
    bob.merge(2);
    // The folder changed: the window merges and shows bob's category.
    QTRY_VERIFY_WITH_TIMEOUT(findCategory(QStringLiteral("Tools")) != nullptr, 10000);
    EXPECT_TRUE(rootHover().contains(QStringLiteral("with bob"))) << rootHover().toStdString();
    EXPECT_TRUE(platform.messages.shown.empty());
}

} // namespace
