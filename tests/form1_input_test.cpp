// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakes/Form1Fixture.h"
#include "store/Statements.h"

#include <QApplication>
#include <QKeyEvent>
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

// A key event as the desktop delivers it: what the key types, where it sits, when, and whether
// the desktop marked it as a repeat of a held key.
struct Key {
    int key;
    Qt::KeyboardModifiers modifiers;
    QString text;
    quint32 scanCode = 0;
};

void send(QWidget* target, QEvent::Type type, const Key& k, quint64 time = 0, bool repeat = false) {
    QKeyEvent event(type, k.key, k.modifiers, k.scanCode, 0, 0, k.text, repeat);
    event.setTimestamp(time);
    QApplication::sendEvent(target, &event);
}

void press(QWidget* target, int key, Qt::KeyboardModifiers modifiers, const QString& text,
           quint32 scanCode = 0) {
    send(target, QEvent::KeyPress, {key, modifiers, text, scanCode});
}

// Holds a key for two seconds as X11 repeats it: a release and a press at the same moment every
// 40 ms, some of them marked as repeats and some not.
void hold(QWidget* target, const Key& k, quint64 from) {
    send(target, QEvent::KeyPress, k, from);
    for (quint64 t = from + 600; t < from + 2000; t += 40) {
        const bool marked = (t / 40) % 3 == 0;
        send(target, QEvent::KeyRelease, k, t, marked);
        send(target, QEvent::KeyPress, k, t, marked);
    }
    send(target, QEvent::KeyRelease, k, from + 2000);
}

TEST_F(Form1Input, AHeldKeyLaunchesOncePerPressNotWithEveryRepeat) {
    const Key enter{Qt::Key_Return, Qt::NoModifier, "\r", 36};
    const Key ctrlL{Qt::Key_L, Qt::ControlModifier, "\x0c", 46};

    hold(form.ListView1(), enter, 1000);
    EXPECT_EQ(platform.shell.requests.size(), 1u);
    hold(form.TreeView1(), ctrlL, 5000);
    EXPECT_EQ(platform.shell.requests.size(), 2u);

    // Each new press launches again, also one right after a release.
    hold(form.ListView1(), enter, 8000);
    send(form.ListView1(), QEvent::KeyPress, enter, 10001);
    send(form.ListView1(), QEvent::KeyRelease, enter, 10050);
    QTest::keyClick(form.ListView1(), Qt::Key_Enter);
    QTest::keyClick(form.ListView1(), Qt::Key_Enter);
    EXPECT_EQ(platform.shell.requests.size(), 6u);
}

TEST_F(Form1Input, CtrlLIsTheKeyThatCarriesLEvenUnderALayoutWithoutLatinLetters) {
    // A Russian layout: the L key types "д" (key Д) and keeps its place, X key code 46.
    const int de = 0x0414;
    const QString typed = QString::fromUtf8("д");
    press(form.ListView1(), de, Qt::ControlModifier | Qt::ShiftModifier, typed, 46);
    press(form.ListView1(), de, Qt::AltModifier, typed, 46);
    press(form.ListView1(), de, Qt::NoModifier, typed, 46);
    // Д without its place known, and Ctrl with the Cyrillic letter on another key (Л on K).
    press(form.ListView1(), de, Qt::ControlModifier, typed, 0);
    press(form.ListView1(), 0x041B, Qt::ControlModifier, QString::fromUtf8("л"), 45);
    // Dvorak types N on that key: a Latin layout is taken at its word.
    press(form.ListView1(), Qt::Key_N, Qt::ControlModifier, "\x0e", 46);
    EXPECT_TRUE(platform.shell.requests.empty());

    press(form.ListView1(), de, Qt::ControlModifier, typed, 46);
    press(form.TreeView1(), de, Qt::ControlModifier, typed, 46);
    // Dvorak's L sits elsewhere and still launches.
    press(form.TreeView1(), Qt::Key_L, Qt::ControlModifier, "\x0c", 33);
    EXPECT_EQ(platform.shell.requests.size(), 3u);
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
    platform.messages.answers = {platform::MessageAnswer::No};
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
