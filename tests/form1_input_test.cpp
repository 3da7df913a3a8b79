#include "fakes/Form1Fixture.h"
#include "store/Statements.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

using fakes::group;
using fakes::item;

class Form1Input : public fakes::Form1Fixture {
  protected:
    void SetUp() override {
        store::insertGroup(db(), group("Web"));
        store::insertItem(db(), item("Web", "Site", 3, "https://example.org"));
        clickCategory("Web");
        form.ListView1()->setCurrentItem(form.ListView1()->item(0));
    }
};

TEST_F(Form1Input, OnlyCtrlLLaunchesWhereverTheFocusIs) {
    QTest::keyClick(form.ListView1(), Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(form.ListView1(), Qt::Key_L, Qt::AltModifier);
    QTest::keyClick(form.ListView1(), Qt::Key_L);
    QTest::keyClick(form.TreeView1(), Qt::Key_L, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_TRUE(platform.shell.requests.empty());

    QTest::keyClick(form.ListView1(), Qt::Key_L, Qt::ControlModifier);
    QTest::keyClick(form.TreeView1(), Qt::Key_L, Qt::ControlModifier);
    QTest::keyClick(form.PushButton(8), Qt::Key_L, Qt::ControlModifier);
    ASSERT_EQ(platform.shell.requests.size(), 3u);
    for (const platform::ShellRequest& r : platform.shell.requests) {
        EXPECT_EQ(r.file, "\"https://example.org\"");
    }
}

TEST_F(Form1Input, CtrlLWithTheRootSelectedAsksForACategory) {
    clickRoot();
    QTest::keyClick(form.TreeView1(), Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(platform.messages.texts(), QStringList{"Please select Categories"});
    EXPECT_EQ(platform.messages.shown[0].title, "Vantory");
    EXPECT_TRUE(platform.shell.requests.empty());
}

TEST(Form1Keys, DeleteInAnEmptyTreeOrListDoesNothing) {
    fakes::FakePlatform platform;
    common::Globals globals;
    app::Form1 form(platform.services, globals);
    QSignalSpy deleteCategory(form.PushButton(3), &QPushButton::clicked);
    QSignalSpy deleteShortcut(form.PushButton(6), &QPushButton::clicked);

    QTest::keyClick(form.TreeView1(), Qt::Key_Delete);
    QTest::keyClick(form.ListView1(), Qt::Key_Delete);

    EXPECT_EQ(deleteCategory.count(), 0);
    EXPECT_EQ(deleteShortcut.count(), 0);
}

TEST_F(Form1Input, DeleteWithAnyShiftPressesTheDeleteButtonOfTheTreeOrTheList) {
    QSignalSpy deleteCategory(form.PushButton(3), &QPushButton::clicked);
    QSignalSpy deleteShortcut(form.PushButton(6), &QPushButton::clicked);

    // The tree decides even with its root selected.
    clickRoot();
    QTest::keyClick(form.TreeView1(), Qt::Key_Delete);
    QTest::keyClick(form.TreeView1(), Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(deleteCategory.count(), 2);
    EXPECT_EQ(deleteShortcut.count(), 0);

    clickCategory("Web");
    QTest::keyClick(form.ListView1(), Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(deleteShortcut.count(), 1);
    EXPECT_EQ(deleteCategory.count(), 2);
}

TEST_F(Form1Input, EnterOnAShortcutDoesWhatAClickDoes) {
    QTest::keyClick(form.ListView1(), Qt::Key_Return);
    EXPECT_EQ(platform.shell.requests.size(), 1u);
}

TEST_F(Form1Input, ThePointerIsAHandOverButtonsAndAnArrowElsewhereButNeverReplacesTheHourglass) {
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(form.PushButton(7), &enter);
    EXPECT_EQ(form.mousePointer(), app::MousePointer::Custom);
    EXPECT_EQ(form.cursor().shape(), Qt::PointingHandCursor);

    QCoreApplication::sendEvent(form.Label1(), &enter);
    EXPECT_EQ(form.mousePointer(), app::MousePointer::Default);
    QCoreApplication::sendEvent(form.PushButton(1), &enter);
    QCoreApplication::sendEvent(form.ListView1()->viewport(), &enter);
    EXPECT_EQ(form.mousePointer(), app::MousePointer::Default);

    form.setMousePointer(app::MousePointer::Hourglass);
    QCoreApplication::sendEvent(form.PushButton(2), &enter);
    QCoreApplication::sendEvent(form.TreeView1()->viewport(), &enter);
    EXPECT_EQ(form.mousePointer(), app::MousePointer::Hourglass);
    EXPECT_EQ(form.cursor().shape(), Qt::WaitCursor);
}

} // namespace
