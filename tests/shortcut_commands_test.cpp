// SPDX-License-Identifier: GPL-3.0-or-later
// "Add Shortcut By EXE", "Add Shortcut By .lnk", "Edit Selected" and "Delete Selected".

#include "common/QtColour.h"
#include "fakes/ShortcutFixture.h"
#include "store/Statements.h"

#include <QLabel>
#include <QListWidget>

namespace {

using namespace fakes;

using platform::MessageAnswer;

class ShortcutCommands : public fakes::ShortcutFixture {
  protected:
    void SetUp() override {
        store::insertGroup(db(), group("Tools"));
        store::insertGroup(db(), group("Web"));
    }

    // Selects the shortcut in the shown category and clicks "Edit Selected"; the driver sees
    // the editor that opens.
    void edit(const QString& caption, std::function<void(QDialog*)> driver) {
        const auto found = form.ListView1()->findItems(caption, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        form.ListView1()->setCurrentItem(found.first());
        openEditor(5, std::move(driver));
    }

    QString selectedCaption() const {
        QListWidgetItem* entry = form.ListView1()->currentItem();
        return entry ? entry->text() : QString();
    }
};

TEST_F(ShortcutCommands, EveryCommandWantsACategoryFirst) {
    store::insertItem(db(), item("Tools", "Shell", 2, "/bin/sh"));
    for (int button : {4, 5, 6, 9}) {
        clickButton(button);
    }
    clickRoot();
    for (int button : {4, 5, 6, 9}) {
        clickButton(button);
    }
    EXPECT_EQ(platform.messages.texts(), QStringList(8, "Please select Categories"));
    for (const fakes::ShownMessage& m : platform.messages.shown) {
        EXPECT_EQ(m.title, "Vantory");
        EXPECT_EQ(m.icon, platform::MessageIcon::None);
    }

    // A category whose selection was lost, and the root selected from code after a category.
    platform.messages.shown.clear();
    clickCategory("Tools");
    form.loadGroups();
    ASSERT_EQ(form.selectedNodePosition(), 0);
    clickButton(4);
    clickButton(9);
    clickButton(6);
    form.selectNode(1);
    clickButton(4);
    clickButton(9);
    clickButton(6);
    EXPECT_EQ(platform.messages.texts(),
              (QStringList{"You must select a group first to add.",
                           "You must select a group first to add.",
                           "You must select a group first to delete item.",
                           "Cannot add in the root group.", "Cannot add in the root group.",
                           "You must select a group first to delete item."}));
    EXPECT_TRUE(platform.modal.shownTitles.isEmpty());
}

TEST_F(ShortcutCommands, WithAnEmptyListEditAndDeleteDoNothing) {
    clickCategory("Tools");
    clickButton(5);
    clickButton(6);
    EXPECT_TRUE(platform.messages.shown.empty());
    EXPECT_TRUE(platform.modal.shownTitles.isEmpty());
}

TEST_F(ShortcutCommands, AddOpensTheEditorForTheSelectedCategory) {
    platform.modal.drivers.push_back([&](QDialog* editor) {
        EXPECT_EQ(editor->objectName(), "Form3");
        EXPECT_EQ(editor->parentWidget(), &form);
        click(editor, "Option3");
        type(editor, "Text1", "Site");
        type(editor, "Text3", "www.example.org");
        click(editor, "PushButton3");
    });
    platform.modal.drivers.push_back([&](QDialog* editor) {
        EXPECT_EQ(editor->objectName(), "Form4");
        EXPECT_EQ(editor->windowTitle(), "Add Shortcut");
        EXPECT_EQ(fakes::control<QPushButton>(editor, "PushButton3")->text(), "Add");
        click(editor, "PushButton4");
    });
    clickCategory("Web");
    clickButton(4);
    clickButton(9);
    EXPECT_EQ(row("Site", "Web"), item("Web", "Site", 3, "www.example.org", "", 0));
    EXPECT_TRUE(platform.modal.drivers.empty());
    EXPECT_TRUE(form.findChildren<QDialog*>().isEmpty()) << "editors are destroyed after use";
}

TEST_F(ShortcutCommands, EditOpensTheShortcutOfTheSelectedCategory) {
    store::insertItem(db(), item("Tools", "Home", 1, "/home/tools/", "", 1));
    store::insertItem(db(), item("Web", "Home", 3, "https://web.example", "", 0, 0, "Web home"));
    clickCategory("Web");
    edit("Home", [&](QDialog* editor) {
        EXPECT_EQ(textOf(editor, "Text3"), "https://web.example");
        type(editor, "Text2", "Changed");
        click(editor, "PushButton3");
    });
    EXPECT_EQ(row("Home", "Web")->itemdescription, "Changed");
    EXPECT_EQ(row("Home", "Tools"), item("Tools", "Home", 1, "/home/tools/", "", 1));
}

TEST_F(ShortcutCommands, EditFillsTheEditorAndWritesTheParametersBackUnchanged) {
    const std::int32_t green = common::codeFromColour(QColor(0, 128, 0));
    store::insertItem(db(), item("Tools", "Player", 2, "/usr/bin/player", "--loud 'two words'", 2,
                                 green, "Music"));
    clickCategory("Tools");
    edit("Player", [&](QDialog* editor) {
        EXPECT_EQ(editor->objectName(), "Form3");
        EXPECT_EQ(editor->windowTitle(), "Edit Shortcut");
        EXPECT_EQ(fakes::control<QPushButton>(editor, "PushButton3")->text(), "Update");
        EXPECT_TRUE(fakes::control<QRadioButton>(editor, "Option2")->isChecked());
        EXPECT_EQ(fakes::control<QComboBox>(editor, "Combo1")->currentText(), "Maximized");
        EXPECT_EQ(textOf(editor, "Text1"), "Player");
        EXPECT_EQ(textOf(editor, "Text2"), "Music");
        EXPECT_EQ(textOf(editor, "Text3"), "/usr/bin/player");
        EXPECT_EQ(textOf(editor, "Text5"), "--loud 'two words'");
        EXPECT_EQ(field(editor, "Text4")->palette().color(QPalette::Base), QColor(0, 128, 0));
        type(editor, "Text5", "typed"); // the parameters box takes no typing
        type(editor, "Text1", "Music player");
        click(editor, "PushButton3");
    });
    EXPECT_EQ(row("Music player", "Tools"), item("Tools", "Music player", 2, "/usr/bin/player",
                                                 "--loud 'two words'", 2, green, "Music"));
    EXPECT_FALSE(row("Player", "Tools"));
}

TEST_F(ShortcutCommands, UrlAndMailEditsShowNormalAndSaveIt) {
    store::insertItem(db(), item("Web", "Site", 3, "www.example.org", "", 2));
    store::insertItem(db(), item("Web", "Write", 4, "me@example.org", "", -1));
    clickCategory("Web");
    for (const char* caption : {"Site", "Write"}) {
        edit(caption, [&](QDialog* editor) {
            auto* openAs = fakes::control<QComboBox>(editor, "Combo1");
            EXPECT_EQ(openAs->currentText(), "Normal");
            EXPECT_FALSE(openAs->isEnabled());
            EXPECT_FALSE(textOf(editor, "Text3").isEmpty()) << "the target is filled after";
            click(editor, "PushButton3");
        });
    }
    EXPECT_EQ(row("Site", "Web")->openas, 0);
    EXPECT_EQ(row("Write", "Web")->openas, 0);
}

TEST_F(ShortcutCommands, RenamingIgnoresItsOwnRowButNotAnotherShortcutAnywhere) {
    store::insertItem(db(), item("Tools", "home", 1, "/home/"));
    store::insertItem(db(), item("Web", "mail", 4, "me@example.org"));
    clickCategory("Tools");
    edit("home", [&](QDialog* editor) {
        type(editor, "Text1", "MAIL");
        click(editor, "PushButton3");
        EXPECT_TRUE(editor->isVisible());
        type(editor, "Text1", "Home");
        click(editor, "PushButton3");
        EXPECT_FALSE(editor->isVisible()) << "a new letter case of its own caption is allowed";
    });
    EXPECT_EQ(platform.messages.texts(), QStringList{"Caption already exists."});
    EXPECT_EQ(listCaptions(), QStringList{"Home"});
    EXPECT_EQ(row("Home", "Tools")->itemcaption, "Home");
}

TEST_F(ShortcutCommands, AfterAnEditTheEntryAtTheSamePositionIsSelected) {
    for (const char* caption : {"Alpha", "Beta", "Gamma"}) {
        store::insertItem(db(), item("Tools", caption, 3, "www.example.org"));
    }
    clickCategory("Tools");
    edit("Alpha", [&](QDialog* editor) {
        type(editor, "Text1", "Zeta");
        click(editor, "PushButton3");
    });
    EXPECT_EQ(listCaptions(), (QStringList{"Beta", "Gamma", "Zeta"}));
    EXPECT_EQ(selectedCaption(), "Beta");

    edit("Gamma", [&](QDialog* editor) { click(editor, "PushButton4"); });
    EXPECT_EQ(selectedCaption(), "Gamma");
    EXPECT_TRUE(platform.messages.shown.empty());
}

TEST_F(ShortcutCommands, ShortcutFilesAreEditedInTheirOwnEditorAndStayKindFive) {
    store::insertItem(db(), item("Tools", "Editor", 5, "/apps/editor.desktop", "--odd", 2,
                                 common::codeFromColour(QColor(0, 0, 255)), "Edits"));
    clickCategory("Tools");
    edit("Editor", [&](QDialog* editor) {
        EXPECT_EQ(editor->objectName(), "Form4");
        EXPECT_EQ(editor->windowTitle(), "Edit Shortcut");
        EXPECT_EQ(fakes::control<QPushButton>(editor, "PushButton3")->text(), "Update");
        EXPECT_EQ(textOf(editor, "Text1"), "Editor");
        EXPECT_EQ(textOf(editor, "Text2"), "Edits");
        EXPECT_EQ(textOf(editor, "Text3"), "/apps/editor.desktop");
        EXPECT_EQ(field(editor, "Text4")->palette().color(QPalette::Base), QColor(0, 0, 255));
        type(editor, "Text1", "Text editor");
        click(editor, "PushButton3");
    });
    EXPECT_EQ(row("Text editor", "Tools"),
              item("Tools", "Text editor", 5, "/apps/editor.desktop", " ", 0,
                   common::codeFromColour(QColor(0, 0, 255)), "Edits"));
}

TEST_F(ShortcutCommands, AStoredWindowStateOutsideTheListIsReportedAndTheEditorStillOpens) {
    store::insertItem(db(), item("Tools", "Odd", 2, "/usr/bin/odd", "", 7));
    clickCategory("Tools");
    edit("Odd", [&](QDialog* editor) {
        EXPECT_EQ(textOf(editor, "Text3"), "/usr/bin/odd");
        EXPECT_EQ(fakes::control<QComboBox>(editor, "Combo1")->currentIndex(), -1);
        click(editor, "PushButton4");
    });
    ASSERT_EQ(platform.messages.shown.size(), 1u);
    EXPECT_EQ(platform.messages.shown[0].title, "Application Error");
    EXPECT_TRUE(platform.messages.shown[0].text.contains("Form1.PushButton5_Click"));
}

TEST_F(ShortcutCommands, DeleteAsksAndRemovesOnlyTheSelectedCategorysShortcut) {
    store::insertItem(db(), item("Tools", "Home", 1, "/home/"));
    store::insertItem(db(), item("Tools", "Shell", 2, "/bin/sh"));
    store::insertItem(db(), item("Web", "home", 3, "https://web.example"));
    clickCategory("Tools");
    form.ListView1()->setCurrentItem(form.ListView1()->item(0));

    platform.messages.answers = {MessageAnswer::No, MessageAnswer::Yes};
    clickButton(6);
    EXPECT_EQ(listCaptions(), (QStringList{"Home", "Shell"}));
    ASSERT_TRUE(row("Home", "Tools"));
    // The Delete key in the list asks the same question.
    QTest::keyClick(form.ListView1(), Qt::Key_Delete);

    ASSERT_EQ(platform.messages.shown.size(), 2u);
    for (const fakes::ShownMessage& m : platform.messages.shown) {
        EXPECT_EQ(m.text, "Are you sure you want to delete Home?");
        EXPECT_EQ(m.title, "Delete Application");
        EXPECT_EQ(m.buttons, platform::MessageButtons::YesNo);
        EXPECT_EQ(m.icon, platform::MessageIcon::None);
    }
    EXPECT_EQ(listCaptions(), QStringList{"Shell"});
    EXPECT_FALSE(row("Home", "Tools"));
    EXPECT_TRUE(row("home", "Web")) << "the other category keeps its shortcut";
}

} // namespace
