// SPDX-License-Identifier: GPL-3.0-or-later
// The shortcut editor, opened by "Add Shortcut By EXE" and driven through its controls.

#include "common/QtColour.h"
#include "fakes/ShortcutFixture.h"
#include "store/Columns.h"
#include "store/Statements.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>

namespace {

using namespace fakes;

class ShortcutEditor : public fakes::ShortcutFixture {
  protected:
    void SetUp() override {
        store::insertGroup(db(), group("Tools"));
        store::insertGroup(db(), group("Web"));
        clickCategory("Tools");
    }

    // Opens the editor with "Add Shortcut By EXE" and lets the driver fill it.
    void add(std::function<void(QDialog*)> driver) { openEditor(4, std::move(driver)); }

    int rowCount() { return static_cast<int>(db().query("select * from tblItems").rowCount()); }
};

TEST_F(ShortcutEditor, FolderShortcutsGetTheSeparatorAppendedAndTheLastFolderWritten) {
    platform.dialogs.folders = {"/srv/tools", "/", ""};
    add([&](QDialog* editor) {
        EXPECT_EQ(editor->objectName(), "Form3");
        EXPECT_EQ(editor->windowTitle(), "Add Shortcut");
        click(editor, "Option1");
        click(editor, "PushButton1");
        EXPECT_EQ(textOf(editor, "Text3"), "/srv/tools/");
        click(editor, "PushButton1");
        EXPECT_EQ(textOf(editor, "Text3"), "/") << "a root already ends with the separator";
        // A cancelled folder dialog changes nothing and writes nothing.
        click(editor, "PushButton1");
        EXPECT_EQ(textOf(editor, "Text3"), "/");
        type(editor, "Text1", "Root");
        click(editor, "PushButton3");
        EXPECT_FALSE(editor->isVisible());
    });

    ASSERT_EQ(platform.dialogs.calls.size(), 3u);
    for (const fakes::DialogCall& call : platform.dialogs.calls) {
        EXPECT_EQ(call.kind, fakes::DialogCall::Folder);
        EXPECT_EQ(call.title, "Save Folder");
        EXPECT_EQ(call.startFolder, "");
        EXPECT_NE(call.owner, &form) << "the folder dialog belongs to the editor";
    }
    EXPECT_EQ(platform.settings.writes,
              (std::vector<fakes::FakeSettings::Write>{{"Vantory", "LastFolderDot", "/srv/tools"},
                                                       {"Vantory", "LastFolderDot", "/"}}));
    const auto saved = row("Root");
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->itempath, "/");
    EXPECT_EQ(saved->itemtype, 1);
    EXPECT_EQ(saved->openas, -1) << "no \"Open As\" entry chosen";
    EXPECT_EQ(saved->itemparameter, "");
    EXPECT_EQ(listCaptions(), QStringList{"Root"}) << "the list is reloaded";
    EXPECT_TRUE(platform.messages.shown.empty());
}

TEST_F(ShortcutEditor, EachKindIsStoredWithItsCodeAndWindowState) {
    platform.dialogs.files = {"/usr/bin/editor", ""};
    add([&](QDialog* editor) {
        click(editor, "PushButton1");
        click(editor, "PushButton1"); // cancelled: the path stays
        ASSERT_EQ(platform.dialogs.calls.size(), 2u);
        EXPECT_EQ(platform.dialogs.calls[0].title, "Select Application File");
        EXPECT_EQ(platform.dialogs.calls[0].filter, "Application Files (*.exe)|*.exe|");
        EXPECT_EQ(textOf(editor, "Text3"), "/usr/bin/editor");
        EXPECT_EQ(textOf(editor, "Text1"), "") << "the caption is not taken from the file";
        type(editor, "Text1", "Editor");
        click(editor, "PushButton3");
    });
    add([&](QDialog* editor) {
        platform.dialogs.files = {"/usr/bin/player"};
        click(editor, "PushButton1");
        choose(editor, "Combo1", "Maximized");
        type(editor, "Text1", "Player");
        type(editor, "Text2", "It's loud");
        click(editor, "PushButton3");
    });
    add([&](QDialog* editor) {
        click(editor, "Option3");
        type(editor, "Text1", "Site");
        type(editor, "Text3", "www.example.org");
        click(editor, "PushButton3");
    });
    add([&](QDialog* editor) {
        click(editor, "Option4");
        type(editor, "Text1", "Write");
        type(editor, "Text3", "someone@example.org");
        click(editor, "PushButton3");
    });

    EXPECT_EQ(row("Editor"), item("Tools", "Editor", 2, "/usr/bin/editor", "", -1));
    EXPECT_EQ(row("Player"), item("Tools", "Player", 2, "/usr/bin/player", "", 2, 0, "It's loud"));
    EXPECT_EQ(row("Site"), item("Tools", "Site", 3, "www.example.org", "", 0));
    EXPECT_EQ(row("Write"), item("Tools", "Write", 4, "someone@example.org", "", 0));
    EXPECT_EQ(listCaptions(), (QStringList{"Editor", "Player", "Site", "Write"}));
}

TEST_F(ShortcutEditor, SwitchingKindsEmptiesTheTargetAndLaysOutTheWindow) {
    platform.dialogs.files = {"/usr/bin/editor"};
    add([&](QDialog* editor) {
        auto* label = fakes::control<QLabel>(editor, "Label1_2");
        auto* browse = fakes::control<QPushButton>(editor, "PushButton1");
        auto* target = field(editor, "Text3");
        auto* parameters = field(editor, "Text5");
        auto* openAs = fakes::control<QComboBox>(editor, "Combo1");
        ASSERT_TRUE(label && browse && target && parameters && openAs);

        // Application, as the editor opens.
        EXPECT_TRUE(fakes::control<QRadioButton>(editor, "Option2")->isChecked());
        EXPECT_EQ(label->text(), "File Path:");
        EXPECT_EQ(openAs->count(), 3);
        EXPECT_EQ(openAs->itemText(0), "Normal");
        EXPECT_EQ(openAs->itemText(1), "Minimized");
        EXPECT_EQ(openAs->itemText(2), "Maximized");
        EXPECT_EQ(openAs->currentIndex(), -1);
        EXPECT_TRUE(parameters->isEnabled());
        EXPECT_TRUE(parameters->isReadOnly());
        EXPECT_EQ(target->width(), 257);

        click(editor, "PushButton1");
        choose(editor, "Combo1", "Minimized");
        click(editor, "Option1");
        EXPECT_EQ(target->text(), "") << "a kind switch empties the target";
        EXPECT_EQ(label->text(), "Folder Path:");
        EXPECT_TRUE(browse->isVisible());
        EXPECT_TRUE(target->isReadOnly());
        EXPECT_FALSE(parameters->isEnabled());
        EXPECT_FALSE(fakes::control<QLabel>(editor, "Label1_4")->isEnabled());
        EXPECT_EQ(openAs->currentText(), "Minimized") << "Folder keeps the chosen state";

        click(editor, "Option3");
        EXPECT_EQ(label->text(), "URL Address:");
        EXPECT_FALSE(browse->isVisible());
        EXPECT_FALSE(target->isReadOnly());
        EXPECT_EQ(target->width(), 297);
        EXPECT_FALSE(openAs->isEnabled());
        EXPECT_EQ(openAs->currentText(), "Normal");
        type(editor, "Text3", "www.example.org");

        click(editor, "Option4");
        EXPECT_EQ(target->text(), "");
        EXPECT_EQ(label->text(), "Email Address:");
        EXPECT_GE(label->width(), label->sizeHint().width()) << "the caption is not cut off";
        EXPECT_EQ(target->accessibleName(), "Email Address");
        type(editor, "Text3", "me@example.org");

        click(editor, "Option2");
        EXPECT_EQ(target->text(), "");
        EXPECT_TRUE(target->isReadOnly());
        EXPECT_TRUE(openAs->isEnabled());
        EXPECT_TRUE(parameters->isEnabled());
        click(editor, "PushButton4");
    });
    EXPECT_EQ(rowCount(), 0);
}

TEST_F(ShortcutEditor, TheSaveTestsComeInOrderWithTheirMessages) {
    const QString long253 = QString(253, u'c');
    const QString long254 = QString(254, u'c');
    // Letters outside the basic plane count once each.
    QString wide253;
    for (int i = 0; i < 253; ++i) {
        wide253 += QString::fromUcs4(U"\U0001F600", 1);
    }
    add([&](QDialog* editor) {
        // Too long comes before the empty path.
        type(editor, "Text1", long254);
        click(editor, "PushButton3");
        type(editor, "Text1", long253);
        type(editor, "Text2", long254);
        click(editor, "PushButton3");
        // An empty caption is reported, not the empty path as well.
        type(editor, "Text1", "");
        type(editor, "Text2", "");
        click(editor, "PushButton3");
        type(editor, "Text1", "Site");
        click(editor, "PushButton3");
        click(editor, "Option3");
        type(editor, "Text3", "www.example.org/it's");
        click(editor, "PushButton3");
        type(editor, "Text1", "It's");
        type(editor, "Text3", "www.example.org");
        click(editor, "PushButton3");
        EXPECT_TRUE(editor->isVisible()) << "every refusal keeps the editor open";
        EXPECT_EQ(textOf(editor, "Text1"), "It's");
        EXPECT_EQ(rowCount(), 0);

        type(editor, "Text1", wide253);
        type(editor, "Text2", long253);
        click(editor, "PushButton3");
        EXPECT_FALSE(editor->isVisible());
    });

    EXPECT_EQ(platform.messages.texts(),
              (QStringList{"Field input too long.", "Field input too long.", "Please enter Caption",
                           "Please enter Folder Path", "Please do not use quote marks.",
                           "Please do not use quote marks."}));
    for (const fakes::ShownMessage& m : platform.messages.shown) {
        EXPECT_EQ(m.title, "Vantory");
        EXPECT_EQ(m.icon, platform::MessageIcon::None);
        EXPECT_EQ(m.buttons, platform::MessageButtons::Ok);
    }
    const auto saved = row(wide253.toStdString());
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->itemdescription, long253.toStdString());
}

TEST_F(ShortcutEditor, ACaptionIsRefusedOnlyInTheCategoryThatHasIt) {
    store::insertItem(db(), item("Web", "Home", 3, "https://web.example"));
    store::insertItem(db(), item("Tools", "Shell", 2, "/bin/sh"));
    clickCategory("Tools");

    add([&](QDialog* editor) {
        click(editor, "Option3");
        type(editor, "Text1", "home");
        type(editor, "Text3", "https://tools.example");
        click(editor, "PushButton3");
        EXPECT_FALSE(editor->isVisible()) << "another category's caption is no clash";
    });
    add([&](QDialog* editor) {
        click(editor, "Option3");
        type(editor, "Text1", "SHELL");
        type(editor, "Text3", "https://shell.example");
        click(editor, "PushButton3");
        EXPECT_TRUE(editor->isVisible());
        click(editor, "PushButton4");
    });

    EXPECT_EQ(platform.messages.texts(), QStringList{"Caption already exists in [Tools] group."});
    EXPECT_EQ(row("home")->itempath, "https://tools.example");
    EXPECT_EQ(row("Home", "Web")->itempath, "https://web.example");
    EXPECT_EQ(rowCount(), 3);
}

TEST_F(ShortcutEditor, CancelEscapeAndTheCloseBoxWriteNothing) {
    const auto fill = [](QDialog* editor) {
        click(editor, "Option3");
        type(editor, "Text1", "Site");
        type(editor, "Text3", "www.example.org");
    };
    add([&](QDialog* editor) {
        fill(editor);
        click(editor, "PushButton4");
        EXPECT_FALSE(editor->isVisible());
    });
    add([&](QDialog* editor) {
        fill(editor);
        QTest::keyClick(field(editor, "Text1"), Qt::Key_Escape);
        EXPECT_FALSE(editor->isVisible());
    });
    add([&](QDialog* editor) {
        fill(editor);
        editor->close();
    });
    EXPECT_EQ(rowCount(), 0);
    EXPECT_TRUE(platform.messages.shown.empty());
    EXPECT_TRUE(platform.settings.writes.empty());
}

TEST_F(ShortcutEditor, AFailedWriteKeepsTheEditorOpenWithEverythingTyped) {
    db().execute("create trigger refuse before insert on tblItems "
                 "begin select raise(fail, 'The catalogue refused the shortcut.'); end");
    add([&](QDialog* editor) {
        click(editor, "Option3");
        type(editor, "Text1", "Site");
        type(editor, "Text2", "Bob's page");
        type(editor, "Text3", "www.example.org");
        click(editor, "PushButton3");
        EXPECT_TRUE(editor->isVisible());
        EXPECT_EQ(textOf(editor, "Text1"), "Site");
        EXPECT_EQ(textOf(editor, "Text2"), "Bob's page");
        EXPECT_EQ(textOf(editor, "Text3"), "www.example.org");

        db().execute("drop trigger refuse");
        click(editor, "PushButton3");
        EXPECT_FALSE(editor->isVisible());
    });
    ASSERT_EQ(platform.messages.shown.size(), 1u);
    EXPECT_EQ(platform.messages.shown[0].title, "Application Error");
    EXPECT_TRUE(platform.messages.shown[0].text.contains("The catalogue refused the shortcut."))
        << platform.messages.shown[0].text.toStdString();
    EXPECT_TRUE(platform.messages.shown[0].text.contains("Form3.PushButton3_Click"));
    EXPECT_EQ(row("Site")->itemdescription, "Bob's page");
}

TEST_F(ShortcutEditor, TheColourDialogOpensAtTheSwatchAndACancelKeepsIt) {
    const QColor red(255, 0, 0);
    platform.dialogs.colours = {red, std::nullopt};
    add([&](QDialog* editor) {
        QLineEdit* swatch = field(editor, "Text4");
        EXPECT_EQ(swatch->palette().color(QPalette::Base), QColor(Qt::black));
        click(editor, "PushButton2");
        EXPECT_EQ(swatch->palette().color(QPalette::Base), red);
        click(editor, "PushButton2");
        EXPECT_EQ(swatch->palette().color(QPalette::Base), red) << "a cancel keeps the colour";
        click(editor, "Option4");
        type(editor, "Text1", "Write");
        type(editor, "Text3", "me@example.org");
        click(editor, "PushButton3");
    });
    ASSERT_EQ(platform.dialogs.calls.size(), 2u);
    EXPECT_EQ(platform.dialogs.calls[0].title, "Select Color");
    EXPECT_EQ(platform.dialogs.calls[0].initial, QColor(Qt::black));
    EXPECT_EQ(platform.dialogs.calls[1].initial, red);
    EXPECT_EQ(row("Write")->itemtextcolor, 255);
}

TEST_F(ShortcutEditor, LabelsNameTheirFieldsAndSpaceChoosesAKindAndSaves) {
    add([&](QDialog* editor) {
        const std::pair<const char*, const char*> buddies[] = {{"Label1_0", "Text1"},
                                                               {"Label1_1", "Text2"},
                                                               {"Label1_2", "Text3"},
                                                               {"Label1_4", "Text5"},
                                                               {"Label1_5", "Combo1"}};
        for (const auto& [label, buddy] : buddies) {
            auto* l = fakes::control<QLabel>(editor, label);
            ASSERT_TRUE(l);
            EXPECT_EQ(l->buddy(), editor->findChild<QWidget*>(buddy)) << label;
            EXPECT_EQ(l->textFormat(), Qt::PlainText);
        }
        EXPECT_EQ(fakes::control<QComboBox>(editor, "Combo1")->accessibleName(), "Open As");
        EXPECT_EQ(field(editor, "Text4")->accessibleName(), "Font Color");
        EXPECT_FALSE(fakes::control<QPushButton>(editor, "PushButton1")->accessibleName() == "...");
        for (const char* kind : {"Option1", "Option2", "Option3", "Option4"}) {
            EXPECT_FALSE(fakes::control<QRadioButton>(editor, kind)->accessibleName().isEmpty());
        }

        // Space selects a kind and presses a button.
        auto* mail = fakes::control<QRadioButton>(editor, "Option4");
        mail->setFocus();
        QTest::keyClick(mail, Qt::Key_Space);
        EXPECT_TRUE(mail->isChecked());
        type(editor, "Text1", "Write");
        type(editor, "Text3", "me@example.org");
        auto* save = fakes::control<QPushButton>(editor, "PushButton3");
        save->setFocus();
        QTest::keyClick(save, Qt::Key_Space);
    });
    EXPECT_EQ(row("Write"), item("Tools", "Write", 4, "me@example.org", "", 0));
}

// In all three editors Enter in a field saves exactly as the save button does, refusals
// included, and Enter on a focused button presses that button instead.
TEST_F(ShortcutEditor, EnterInAFieldSavesAndOnAFocusedButtonPressesIt) {
    for (const int opener : {1, 4, 9}) { // Add (category), Add Shortcut By EXE, By .lnk
        platform.dialogs.files = {"/opt/keys"};
        platform.modal.drivers.push_back([opener](QDialog* editor) {
            QApplication::setActiveWindow(editor);
            QTest::keyClick(field(editor, "Text1"), Qt::Key_Return);
            auto* browse = fakes::control<QPushButton>(editor, "PushButton1");
            browse->setFocus();
            QTest::keyClick(browse, Qt::Key_Return);
            type(editor, "Text1", QStringLiteral("Keys %1").arg(opener));
            QTest::keyClick(field(editor, "Text2"), Qt::Key_Enter);
        });
        clickButton(opener);
    }
    EXPECT_EQ(
        platform.messages.texts(),
        (QStringList{"Please input Group Name", "Please enter Caption", "Please enter Caption"}));
    EXPECT_EQ(platform.dialogs.calls.size(), 3u) << "each browse button took its Enter";
    EXPECT_EQ(db().query("select * from tblGroups where groupcaption = 'Keys 1'").rowCount(), 1u);
    EXPECT_EQ(db().query("select * from tblItems where itemcaption like 'Keys _'").rowCount(), 2u);
}

// Tab comes into the kinds on the chosen one, chosen by the user or by the edit command, so
// Space there keeps the kind and its target.
TEST_F(ShortcutEditor, TabEntersTheKindsOnTheChosenOne) {
    store::insertItem(db(), item("Tools", "Site", 3, "www.example.org"));
    clickCategory("Tools");
    form.ListView1()->setCurrentRow(0);
    for (const auto& [opener, chosen] : {std::pair{5, "Option3"}, std::pair{4, "Option2"}}) {
        platform.modal.drivers.push_back([chosen](QDialog* editor) {
            const QString target = textOf(editor, "Text3");
            QApplication::setActiveWindow(editor);
            QWidget* at = field(editor, "Text1");
            for (int i = 0; i < 9 && at && !qobject_cast<QRadioButton*>(at); ++i) {
                QTest::keyClick(at, Qt::Key_Tab);
                at = QApplication::focusWidget();
            }
            ASSERT_NE(at, nullptr);
            EXPECT_EQ(at->objectName(), chosen);
            QTest::keyClick(at, Qt::Key_Space);
            EXPECT_TRUE(fakes::control<QRadioButton>(editor, chosen)->isChecked());
            EXPECT_EQ(textOf(editor, "Text3"), target);
        });
        clickButton(opener);
    }
}

} // namespace
