// SPDX-License-Identifier: GPL-3.0-or-later
// The group editor, driven through its fields and buttons from the main window's commands.

#include "common/QtColour.h"
#include "fakes/GroupEditorFixture.h"

#include <QAccessible>
#include <QApplication>

namespace {

using namespace fakes;

class GroupEditor : public fakes::GroupEditorFixture {
  protected:
    GroupEditor() { form.loadGroups(); }

    // A letter outside the Basic Multilingual Plane: two UTF-16 units, one character.
    static QString wide(int count) {
        QString text;
        for (int i = 0; i < count; ++i) {
            text += QString::fromUcs4(U"\U00020000");
        }
        return text;
    }
    static QString narrow(int count, char letter = 'a') { return QString(count, QChar(letter)); }

    // Clicks Add in the editor and tells whether it refused with this message.
    static void expectRefused(QDialog* editor, fakes::FakeMessageBoxes& boxes,
                              const QString& message) {
        const std::size_t before = boxes.shown.size();
        click(editor, "PushButton3");
        ASSERT_EQ(boxes.shown.size(), before + 1);
        EXPECT_EQ(boxes.shown.back().text, message);
        EXPECT_EQ(boxes.shown.back().title, "Vantory");
        EXPECT_EQ(boxes.shown.back().icon, platform::MessageIcon::None);
        EXPECT_TRUE(editor->isVisible()) << "a refusal keeps the editor open";
    }
};

TEST_F(GroupEditor, LengthsAreCountedInCharactersAndMustStayBelow254) {
    auto& boxes = platform.messages;
    whenEditorOpens([&](QDialog* editor) {
        paste(editor, "Text1", narrow(254));
        expectRefused(editor, boxes, "Field input too long.");
        paste(editor, "Text1", wide(254));
        expectRefused(editor, boxes, "Field input too long.");
        paste(editor, "Text1", narrow(253));
        paste(editor, "Text2", narrow(254, 'b'));
        expectRefused(editor, boxes, "Field input too long.");
        paste(editor, "Text2", wide(254));
        expectRefused(editor, boxes, "Field input too long.");
        EXPECT_EQ(field(editor, "Text1")->text(), narrow(253)) << "input is kept";
        paste(editor, "Text2", wide(253));
        click(editor, "PushButton3");
        EXPECT_FALSE(editor->isVisible()) << "253 characters are saved";
    });
    clickButton(1);
    whenEditorOpens([&](QDialog* editor) {
        paste(editor, "Text1", wide(253));
        paste(editor, "Text2", narrow(253, 'b'));
        click(editor, "PushButton3");
        EXPECT_FALSE(editor->isVisible());
    });
    clickButton(1);

    const auto rows = storedGroups();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(QString::fromStdString(rows[0].groupcaption), narrow(253));
    EXPECT_EQ(QString::fromStdString(rows[0].groupdescription), wide(253));
    EXPECT_EQ(QString::fromStdString(rows[1].groupcaption), wide(253));
    EXPECT_EQ(QString::fromStdString(rows[1].groupdescription), narrow(253, 'b'));
    EXPECT_EQ(boxes.shown.size(), 4u);
}

TEST_F(GroupEditor, TestsRunInOrderAndOnlyNameAndDescriptionRefuseQuotes) {
    auto& boxes = platform.messages;
    platform.dialogs.files = {"/home/me/Bob's pictures/sky.bmp"};
    whenEditorOpens([&](QDialog* editor) {
        paste(editor, "Text2", narrow(300));
        expectRefused(editor, boxes, "Field input too long.");
        type(editor, "Text2", "it's mine");
        expectRefused(editor, boxes, "Please input Group Name");
        type(editor, "Text1", "Bob's");
        expectRefused(editor, boxes, "Please do not use quote marks.");
        type(editor, "Text1", "   ");
        expectRefused(editor, boxes, "Please do not use quote marks.");
        type(editor, "Text2", "Mine");
        click(editor, "PushButton1");
        EXPECT_EQ(field(editor, "Text3")->text(), "/home/me/Bob's pictures/sky.bmp");
        click(editor, "PushButton3");
        EXPECT_FALSE(editor->isVisible());
    });
    clickButton(1);

    ASSERT_EQ(storedGroups().size(), 1u);
    EXPECT_EQ(storedGroups()[0], group("   ", "Mine", 0, "/home/me/Bob's pictures/sky.bmp"));
    EXPECT_TRUE(applicationErrors().isEmpty());
    ASSERT_EQ(platform.dialogs.calls.size(), 1u);
    EXPECT_EQ(platform.dialogs.calls[0].title, "Select Background Image");
    EXPECT_EQ(platform.dialogs.calls[0].filter,
              "Picture Files (*.bmp;*.jpg;*.gif)|*.bmp;*.jpg;*.gif|");
    EXPECT_EQ(selectedNode(), "   ") << "the new category is selected";
}

TEST_F(GroupEditor, CancellingThePictureDialogKeepsThePicture) {
    platform.dialogs.files = {"/pics/a.gif", ""};
    whenEditorOpens([&](QDialog* editor) {
        click(editor, "PushButton1");
        click(editor, "PushButton1");
        EXPECT_EQ(field(editor, "Text3")->text(), "/pics/a.gif");
        click(editor, "PushButton4");
    });
    clickButton(1);
    EXPECT_TRUE(storedGroups().empty());
}

TEST_F(GroupEditor, ANameTakenInAnyLetterCaseIsRefusedAndCancelSelectsTheSubmittedName) {
    store::insertGroup(db(), group("Games"));
    store::insertItem(db(), item("Games", "Chess", 2, "/usr/games/chess"));
    form.loadGroups();

    whenEditorOpens([&](QDialog* editor) {
        type(editor, "Text1", "gAMES");
        expectRefused(editor, platform.messages, "Group Name already exists.");
        click(editor, "PushButton4");
    });
    clickButton(1);
    EXPECT_EQ(globals.gNewGroupName, "gAMES");
    EXPECT_EQ(selectedNode(), "") << "no category is named gAMES exactly";

    whenEditorOpens([&](QDialog* editor) {
        type(editor, "Text1", "Games");
        expectRefused(editor, platform.messages, "Group Name already exists.");
        click(editor, "PushButton4");
    });
    clickButton(1);
    EXPECT_EQ(selectedNode(), "Games");
    EXPECT_EQ(listCaptions(), QStringList{"Chess"});
    EXPECT_EQ(storedGroupNames(), QStringList{"Games"});
}

TEST_F(GroupEditor, EditingMayChangeLetterCaseButNotTakeAnotherCategorysName) {
    store::insertGroup(db(), group("Games", "Play"));
    store::insertGroup(db(), group("Music"));
    store::insertItem(db(), item("Games", "Chess", 2, "/usr/games/chess"));
    clickCategory("Games");

    whenEditorOpens([&](QDialog* editor) {
        EXPECT_EQ(editor->windowTitle(), "Edit Group");
        EXPECT_EQ(fakes::control<QPushButton>(editor, "PushButton3")->text(), "Update");
        EXPECT_EQ(field(editor, "Text1")->text(), "Games");
        EXPECT_EQ(field(editor, "Text2")->text(), "Play");
        type(editor, "Text1", "mUSIC");
        expectRefused(editor, platform.messages, "Group Name already exists.");
        type(editor, "Text1", "games");
        click(editor, "PushButton3");
        EXPECT_FALSE(editor->isVisible());
    });
    clickButton(2);

    EXPECT_EQ(storedGroupNames(), (QStringList{"games", "Music"}));
    EXPECT_EQ(storedCaptionsOf("games"), QStringList{"Chess"});
    EXPECT_EQ(selectedNode(), "games");
    EXPECT_EQ(listCaptions(), QStringList{"Chess"});
}

TEST_F(GroupEditor, ARenameCarriesTheShortcutsAndTheOldPositionIsSelected) {
    store::insertGroup(db(), group("Alpha", "First"));
    store::insertGroup(db(), group("Beta", "Second"));
    store::insertGroup(db(), group("Gamma"));
    store::insertItem(db(), item("Alpha", "Editor", 2, "/usr/bin/editor"));
    store::insertItem(db(), item("Alpha", "Shell", 2, "/usr/bin/sh"));
    store::insertItem(db(), item("Beta", "Browser", 3, "https://example.org"));
    clickCategory("Alpha");

    whenEditorOpens([&](QDialog* editor) {
        type(editor, "Text1", "Zulu");
        click(editor, "PushButton3");
    });
    clickButton(2);

    EXPECT_EQ(categoryNames(), (QStringList{"Beta", "Gamma", "Zulu"}));
    EXPECT_EQ(storedCaptionsOf("Zulu"), (QStringList{"Editor", "Shell"}));
    EXPECT_TRUE(storedCaptionsOf("Alpha").isEmpty());
    EXPECT_EQ(selectedNode(), "Beta") << "the category now at the old position";
    EXPECT_EQ(listCaptions(), QStringList{"Browser"});
    EXPECT_EQ(form.Label1()->text(), "Second");

    clickCategory("Zulu");
    EXPECT_EQ(listCaptions(), (QStringList{"Editor", "Shell"}));
}

TEST_F(GroupEditor, AFailedWriteKeepsTheEditorOpenWithEverythingTyped) {
    failWrites("INSERT", "tblGroups");
    whenEditorOpens([&](QDialog* editor) {
        type(editor, "Text1", "Games");
        type(editor, "Text2", "Play");
        click(editor, "PushButton3");
        EXPECT_TRUE(editor->isVisible());
        EXPECT_EQ(field(editor, "Text1")->text(), "Games");
        EXPECT_EQ(field(editor, "Text2")->text(), "Play");
        click(editor, "PushButton4");
    });
    clickButton(1);
    ASSERT_EQ(applicationErrors().size(), 1);
    EXPECT_TRUE(
        applicationErrors()[0].startsWith("Catalogue error: disk full\r\nin Vantory2021/08/31."
                                          "Form2.PushButton3_Click at line "));
    EXPECT_EQ(platform.messages.shown[0].icon, platform::MessageIcon::Exclamation);
    EXPECT_TRUE(storedGroups().empty());
    EXPECT_TRUE(categoryNames().isEmpty());

    // A rename whose shortcuts cannot move leaves the category as it was.
    db().execute("DROP TRIGGER fail_INSERT_tblGroups");
    store::insertGroup(db(), group("Music"));
    store::insertItem(db(), item("Music", "Player", 2, "/usr/bin/player"));
    failWrites("UPDATE", "tblItems");
    clickCategory("Music");
    whenEditorOpens([&](QDialog* editor) {
        type(editor, "Text1", "Songs");
        click(editor, "PushButton3");
        EXPECT_TRUE(editor->isVisible());
        EXPECT_EQ(field(editor, "Text1")->text(), "Songs");
        click(editor, "PushButton4");
    });
    clickButton(2);
    EXPECT_EQ(applicationErrors().size(), 2);
    EXPECT_EQ(storedGroupNames(), QStringList{"Music"});
    EXPECT_EQ(storedCaptionsOf("Music"), QStringList{"Player"});
}

TEST_F(GroupEditor, EscapeTheCloseBoxAndCancelWriteNothing) {
    whenEditorOpens([&](QDialog* editor) {
        type(editor, "Text1", "Games");
        QTest::keyClick(field(editor, "Text1"), Qt::Key_Escape);
        EXPECT_FALSE(editor->isVisible());
    });
    whenEditorOpens([&](QDialog* editor) {
        type(editor, "Text1", "Games");
        editor->close();
        EXPECT_FALSE(editor->isVisible());
    });
    whenEditorOpens([&](QDialog* editor) {
        type(editor, "Text1", "Games");
        click(editor, "PushButton4");
        EXPECT_FALSE(editor->isVisible());
    });
    for (int i = 0; i < 3; ++i) {
        clickButton(1);
    }
    EXPECT_TRUE(storedGroups().empty());
    EXPECT_TRUE(platform.messages.shown.empty());
    EXPECT_EQ(platform.modal.shownTitles, (QStringList{"Add Group", "Add Group", "Add Group"}));
}

TEST_F(GroupEditor, TheColourDialogOpensAtTheSwatchAndACancelKeepsIt) {
    const QColor red(255, 0, 0), blue(0, 0, 255);
    platform.dialogs.colours = {red, std::nullopt};
    whenEditorOpens([&](QDialog* editor) {
        EXPECT_EQ(swatch(editor), QColor(0, 0, 0));
        click(editor, "PushButton2");
        EXPECT_EQ(swatch(editor), red);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(field(editor, "Text4"))
                      ->text(QAccessible::Description),
                  "Red 255, green 0, blue 0");
        click(editor, "PushButton2");
        EXPECT_EQ(swatch(editor), red) << "a cancel keeps the colour";
        type(editor, "Text1", "Games");
        click(editor, "PushButton3");
    });
    clickButton(1);
    ASSERT_EQ(platform.dialogs.calls.size(), 2u);
    EXPECT_EQ(platform.dialogs.calls[0].title, "Select Color");
    EXPECT_EQ(platform.dialogs.calls[0].initial, QColor(0, 0, 0));
    EXPECT_EQ(platform.dialogs.calls[1].initial, red);
    EXPECT_EQ(storedGroups()[0].grouptextcolor, common::codeFromColour(red));

    // In edit mode the stored colour shows, and a cancel keeps it too.
    store::updateGroup(db(), "Games", group("Games", "", common::codeFromColour(blue)));
    clickCategory("Games");
    platform.dialogs.colours = {std::nullopt};
    whenEditorOpens([&](QDialog* editor) {
        EXPECT_EQ(swatch(editor), blue);
        click(editor, "PushButton2");
        EXPECT_EQ(swatch(editor), blue);
        click(editor, "PushButton3");
    });
    clickButton(2);
    EXPECT_EQ(platform.dialogs.calls.back().initial, blue);
    EXPECT_EQ(storedGroups()[0].grouptextcolor, common::codeFromColour(blue));
}

TEST_F(GroupEditor, EveryFieldIsNamedAndReachedInTabOrder) {
    whenEditorOpens([&](QDialog* editor) {
        EXPECT_EQ(editor->objectName(), "Form2");
        EXPECT_EQ(editor->windowTitle(), "Add Group");
        EXPECT_EQ(editor->size(), QSize(312, 220));
        EXPECT_EQ(fakes::control<QPushButton>(editor, "PushButton3")->text(), "Add");
        const char* labels[][3] = {{"Label1_0", "Group Name:", "Text1"},
                                   {"Label1_1", "Description:", "Text2"},
                                   {"Label1_2", "Background Image:", "Text3"},
                                   {"Label1_3", "Group Text Color:", "Text4"}};
        for (const auto& [name, text, buddy] : labels) {
            auto* label = editor->findChild<QLabel*>(name);
            ASSERT_NE(label, nullptr) << name;
            EXPECT_EQ(label->text(), text);
            EXPECT_EQ(label->buddy(), field(editor, buddy));
            EXPECT_GE(label->width(), label->sizeHint().width()) << name << " is cut off";
        }
        EXPECT_LE(editor->findChild<QLabel*>("Label1_3")->geometry().right(),
                  field(editor, "Text4")->geometry().left())
            << "the colour label stays clear of its swatch";
        EXPECT_TRUE(field(editor, "Text3")->isReadOnly());
        EXPECT_TRUE(field(editor, "Text4")->isReadOnly());
        EXPECT_FALSE(field(editor, "Text1")->isReadOnly());

        // Tab walks the fields and buttons in their order, starting in the name.
        const char* order[] = {"Text1", "Text2",       "Text3",       "PushButton1",
                               "Text4", "PushButton2", "PushButton3", "PushButton4"};
        QApplication::setActiveWindow(editor);
        for (const char* name : order) {
            QWidget* focused = QApplication::focusWidget();
            ASSERT_NE(focused, nullptr);
            EXPECT_EQ(focused->objectName(), name);
            QAccessibleInterface* described = QAccessible::queryAccessibleInterface(focused);
            ASSERT_NE(described, nullptr);
            EXPECT_FALSE(described->text(QAccessible::Name).isEmpty()) << name;
            QTest::keyClick(focused, Qt::Key_Tab);
        }
        EXPECT_EQ(field(editor, "Text4")->accessibleName(), "Group Text Color");
        click(editor, "PushButton4");
    });
    clickButton(1);
}

} // namespace
