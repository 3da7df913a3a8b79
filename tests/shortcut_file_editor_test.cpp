// SPDX-License-Identifier: GPL-3.0-or-later
// The shortcut-file editor, opened by "Add Shortcut By .lnk".

#include "common/QtColour.h"
#include "fakes/ShortcutFixture.h"
#include "store/Statements.h"

#include <QLabel>

namespace {

using namespace fakes;

class ShortcutFileEditor : public fakes::ShortcutFixture {
  protected:
    void SetUp() override {
        store::insertGroup(db(), group("Tools"));
        clickCategory("Tools");
    }

    void add(std::function<void(QDialog*)> driver) { openEditor(9, std::move(driver)); }
};

TEST_F(ShortcutFileEditor, BrowseNamesTheShortcutAfterTheFileOrTheDesktopEntry) {
    const QString entry = "/usr/share/applications/org.example.Writer.desktop";
    platform.entryNames.names[entry] = "Writer";
    platform.dialogs.files = {"/home/me/Links/Editor.lnk", "", entry, "/home/me/broken.desktop"};
    add([&](QDialog* editor) {
        EXPECT_EQ(editor->objectName(), "Form4");
        click(editor, "PushButton1");
        EXPECT_EQ(textOf(editor, "Text3"), "/home/me/Links/Editor.lnk");
        EXPECT_EQ(textOf(editor, "Text1"), "Editor");
        EXPECT_EQ(textOf(editor, "Text2"), "Editor");

        type(editor, "Text2", "My editor");
        click(editor, "PushButton1"); // cancelled: nothing changes
        EXPECT_EQ(textOf(editor, "Text3"), "/home/me/Links/Editor.lnk");
        EXPECT_EQ(textOf(editor, "Text2"), "My editor");

        click(editor, "PushButton1");
        EXPECT_EQ(textOf(editor, "Text3"), entry);
        EXPECT_EQ(textOf(editor, "Text1"), "Writer");
        EXPECT_EQ(textOf(editor, "Text2"), "Writer");

        // A file that is no valid desktop entry is known by its file name.
        click(editor, "PushButton1");
        EXPECT_EQ(textOf(editor, "Text1"), "broken");
        click(editor, "PushButton4");
    });
    ASSERT_EQ(platform.dialogs.calls.size(), 4u);
    EXPECT_EQ(platform.dialogs.calls[0].title, "Select Application Shortcut File");
    EXPECT_EQ(platform.dialogs.calls[0].filter, "Application Shortcut Files (*.lnk)|*.lnk|");
}

TEST_F(ShortcutFileEditor, SavesKindFiveWithStateZeroAndNoParameters) {
    platform.dialogs.files = {"/home/me/Links/Editor.lnk"};
    platform.dialogs.colours = {QColor(0, 0, 255)};
    add([&](QDialog* editor) {
        auto* path = field(editor, "Text3");
        EXPECT_TRUE(path->isReadOnly());
        EXPECT_EQ(fakes::control<QLabel>(editor, "Label1_2")->buddy(), path);
        click(editor, "PushButton1");
        type(editor, "Text2", "Bob's editor");
        click(editor, "PushButton2");
        click(editor, "PushButton3");
        EXPECT_FALSE(editor->isVisible());
    });
    EXPECT_EQ(row("Editor"), item("Tools", "Editor", 5, "/home/me/Links/Editor.lnk", " ", 0,
                                  common::codeFromColour(QColor(0, 0, 255)), "Bob's editor"));
    EXPECT_EQ(listCaptions(), QStringList{"Editor"});
}

TEST_F(ShortcutFileEditor, TheSaveTestsComeInOrderAndACaptionIsUniqueInItsCategory) {
    store::insertItem(db(), item("Tools", "Editor", 2, "/usr/bin/editor"));
    platform.dialogs.files = {"/home/me/Links/It's.lnk", "/home/me/Links/Editor.lnk"};
    add([&](QDialog* editor) {
        click(editor, "PushButton3"); // empty caption and empty path: only the caption
        type(editor, "Text1", QString(254, u'x'));
        click(editor, "PushButton3");
        type(editor, "Text1", "Writer");
        type(editor, "Text2", QString(254, u'x'));
        click(editor, "PushButton3");
        type(editor, "Text2", QString(253, u'x'));
        click(editor, "PushButton3");
        click(editor, "PushButton1");
        click(editor, "PushButton3");
        click(editor, "PushButton1");
        type(editor, "Text1", "EDITOR");
        click(editor, "PushButton3");
        EXPECT_TRUE(editor->isVisible());
        type(editor, "Text1", QString(253, u'x'));
        click(editor, "PushButton3");
        EXPECT_FALSE(editor->isVisible());
    });
    EXPECT_EQ(platform.messages.texts(),
              (QStringList{"Please enter Caption", "Field input too long.", "Field input too long.",
                           "Please enter Folder Path", "Please do not use quote marks.",
                           "Caption already exists in [Tools] group."}));
    EXPECT_TRUE(row(std::string(253, 'x')));
}

TEST_F(ShortcutFileEditor, AFailedWriteKeepsTheEditorOpenAndEscapeWritesNothing) {
    db().execute("create trigger refuse before insert on tblItems "
                 "begin select raise(fail, 'No room.'); end");
    platform.dialogs.files = {"/home/me/Links/Editor.lnk"};
    add([&](QDialog* editor) {
        click(editor, "PushButton1");
        click(editor, "PushButton3");
        EXPECT_TRUE(editor->isVisible());
        EXPECT_EQ(textOf(editor, "Text1"), "Editor");
        QTest::keyClick(field(editor, "Text2"), Qt::Key_Escape);
        EXPECT_FALSE(editor->isVisible());
    });
    ASSERT_EQ(platform.messages.shown.size(), 1u);
    EXPECT_EQ(platform.messages.shown[0].title, "Application Error");
    EXPECT_TRUE(platform.messages.shown[0].text.contains("Form4.PushButton3_Click"));
    EXPECT_FALSE(row("Editor"));
}

} // namespace
