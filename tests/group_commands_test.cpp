// SPDX-License-Identifier: GPL-3.0-or-later
// The Add, Edit and Delete buttons under the category tree, and Delete pressed in the tree.

#include "fakes/GroupEditorFixture.h"

namespace {

using namespace fakes;

using platform::MessageAnswer;

class GroupCommands : public fakes::GroupEditorFixture {
  protected:
    // Four categories, each with a shortcut of its own.
    void fillCatalogue() {
        for (const char* name : {"Alpha", "Beta", "Gamma", "Delta"}) {
            store::insertGroup(db(), group(name, std::string("About ") + name));
            store::insertItem(db(), item(name, std::string(name) + " tool", 2, "/usr/bin/tool"));
        }
        form.loadGroups();
    }
    void deleteSelected(MessageAnswer answer) {
        platform.messages.answers.push_back(answer);
        clickButton(3);
    }
};

TEST_F(GroupCommands, EditAndDeleteNeedASelectedCategoryAndSpareTheRoot) {
    fillCatalogue();
    ASSERT_EQ(selectedNode(), "");
    clickButton(2);
    clickButton(3);
    clickRoot();
    clickButton(2);
    clickButton(3);
    // Delete pressed in the tree presses the Delete button.
    form.TreeView1()->setFocus();
    QTest::keyClick(form.TreeView1(), Qt::Key_Delete);

    EXPECT_EQ(plainMessages(),
              (QStringList{"You must select a group to edit.", "You must select a group to delete.",
                           "Cannot edit the selected root group",
                           "You cannot delete the selected root group.",
                           "You cannot delete the selected root group."}));
    EXPECT_TRUE(platform.modal.shownTitles.isEmpty());
    EXPECT_EQ(storedGroups().size(), 4u);
}

TEST_F(GroupCommands, AddSelectsTheNewCategoryAndCancelSelectsNothing) {
    fillCatalogue();
    clickCategory("Beta");
    whenEditorOpens([&](QDialog* editor) { click(editor, "PushButton4"); });
    clickButton(1);
    EXPECT_EQ(globals.gNewGroupName, "");
    EXPECT_EQ(selectedNode(), "Beta") << "a cancel changes nothing";
    EXPECT_EQ(listCaptions(), QStringList{"Beta tool"});

    addThroughEditor("Zeta", "Last one");
    EXPECT_EQ(categoryNames(), (QStringList{"Alpha", "Beta", "Delta", "Gamma", "Zeta"}));
    EXPECT_EQ(selectedNode(), "Zeta");
    EXPECT_TRUE(form.mNodeIsGroup);
    EXPECT_EQ(form.Label1()->text(), "Last one");
    EXPECT_TRUE(listCaptions().isEmpty());

    // A category named like the computer is selected, not the root.
    addThroughEditor("DESK");
    EXPECT_EQ(form.TreeView1()->currentItem()->parent(), form.TreeView1()->topLevelItem(0));
    EXPECT_EQ(selectedNode(), "DESK");
    EXPECT_TRUE(form.mNodeIsGroup);
}

TEST_F(GroupCommands, DeleteTakesTheShortcutsAlongAndSelectsTheNextCategory) {
    fillCatalogue();
    clickCategory("Beta");
    deleteSelected(MessageAnswer::Yes);

    ASSERT_FALSE(platform.messages.shown.empty());
    EXPECT_EQ(platform.messages.shown[0].text, "Are you sure you want to delete Beta?");
    EXPECT_EQ(platform.messages.shown[0].buttons, platform::MessageButtons::YesNo);
    EXPECT_EQ(platform.messages.shown[0].title, "Vantory");
    EXPECT_EQ(storedGroupNames(), (QStringList{"Alpha", "Delta", "Gamma"}));
    EXPECT_TRUE(storedCaptionsOf("Beta").isEmpty());
    EXPECT_EQ(selectedNode(), "Delta");
    EXPECT_EQ(listCaptions(), QStringList{"Delta tool"});
    EXPECT_EQ(form.Label1()->text(), "About Delta");
}

TEST_F(GroupCommands, DeletingTheLastOrTheLastButOneSelectsNothingAndEmptiesTheList) {
    fillCatalogue();
    clickCategory("Gamma");
    ASSERT_EQ(listCaptions(), QStringList{"Gamma tool"});
    deleteSelected(MessageAnswer::Yes);
    EXPECT_EQ(categoryNames(), (QStringList{"Alpha", "Beta", "Delta"}));
    EXPECT_EQ(selectedNode(), "");
    EXPECT_TRUE(listCaptions().isEmpty());
    EXPECT_EQ(form.Label1()->text(), "");

    clickCategory("Beta");
    deleteSelected(MessageAnswer::Yes);
    EXPECT_EQ(categoryNames(), (QStringList{"Alpha", "Delta"}));
    EXPECT_EQ(selectedNode(), "");
    EXPECT_TRUE(listCaptions().isEmpty());
    EXPECT_EQ(storedCaptionsOf("Delta"), QStringList{"Delta tool"});
}

TEST_F(GroupCommands, NoToTheQuestionChangesNothing) {
    fillCatalogue();
    clickCategory("Alpha");
    deleteSelected(MessageAnswer::No);
    EXPECT_EQ(storedGroups().size(), 4u);
    EXPECT_EQ(storedCaptionsOf("Alpha"), QStringList{"Alpha tool"});
    EXPECT_EQ(selectedNode(), "Alpha");
    EXPECT_EQ(listCaptions(), QStringList{"Alpha tool"});
    EXPECT_EQ(form.Label1()->text(), "About Alpha");
}

TEST_F(GroupCommands, TheDeleteKeyDeletesTheSelectedCategory) {
    fillCatalogue();
    clickCategory("Delta");
    platform.messages.answers.push_back(MessageAnswer::Yes);
    form.TreeView1()->setFocus();
    QTest::keyClick(form.TreeView1(), Qt::Key_Delete);
    EXPECT_EQ(platform.messages.texts(), QStringList{"Are you sure you want to delete Delta?"});
    EXPECT_EQ(storedGroupNames(), (QStringList{"Alpha", "Beta", "Gamma"}));
}

TEST_F(GroupCommands, ADeleteThatFailsHalfWayChangesNothing) {
    fillCatalogue();
    failWrites("DELETE", "tblItems");
    clickCategory("Alpha");
    deleteSelected(MessageAnswer::Yes);
    ASSERT_EQ(applicationErrors().size(), 1);
    EXPECT_TRUE(applicationErrors()[0].contains("Form1.PushButton3_Click at line "));
    EXPECT_EQ(storedGroups().size(), 4u) << "the category row is back";
    EXPECT_EQ(storedCaptionsOf("Alpha"), QStringList{"Alpha tool"});
    EXPECT_EQ(categoryNames(), (QStringList{"Alpha", "Beta", "Delta", "Gamma"}));
}

TEST_F(GroupCommands, ACategoryNamedRootIsEditedAndDeletedLikeAnyOther) {
    store::insertGroup(db(), group("Root", "Not the root"));
    store::insertItem(db(), item("Root", "Tool", 2, "/usr/bin/tool"));
    clickCategory("Root");

    whenEditorOpens([&](QDialog* editor) {
        EXPECT_EQ(field(editor, "Text1")->text(), "Root");
        type(editor, "Text1", "Roots");
        click(editor, "PushButton3");
    });
    clickButton(2);
    EXPECT_EQ(storedGroupNames(), QStringList{"Roots"});
    EXPECT_EQ(selectedNode(), "Roots");
    EXPECT_EQ(listCaptions(), QStringList{"Tool"});

    // Edited back, then deleted.
    whenEditorOpens([&](QDialog* editor) {
        type(editor, "Text1", "Root");
        click(editor, "PushButton3");
    });
    clickButton(2);
    deleteSelected(MessageAnswer::Yes);
    EXPECT_TRUE(storedGroups().empty());
    EXPECT_TRUE(storedCaptionsOf("Root").isEmpty());
    EXPECT_EQ(plainMessages(), QStringList{"Are you sure you want to delete Root?"});
}

TEST_F(GroupCommands, EditShowsTheStoredRowAndACancelWritesNothing) {
    platform.dialogs.files = {"/pics/other.gif"};
    store::insertGroup(db(), group("Games", "Play", 255, "/pics/sky.bmp"));
    clickCategory("Games");
    whenEditorOpens([&](QDialog* editor) {
        EXPECT_EQ(field(editor, "Text1")->text(), "Games");
        EXPECT_EQ(field(editor, "Text2")->text(), "Play");
        EXPECT_EQ(field(editor, "Text3")->text(), "/pics/sky.bmp");
        EXPECT_EQ(swatch(editor), QColor(255, 0, 0));
        type(editor, "Text2", "Work");
        click(editor, "PushButton1");
        click(editor, "PushButton4");
    });
    clickButton(2);
    EXPECT_EQ(storedGroups()[0], group("Games", "Play", 255, "/pics/sky.bmp"));
    EXPECT_EQ(selectedNode(), "Games");
    EXPECT_EQ(form.Label1()->text(), "Play");
}

TEST_F(GroupCommands, MarkupInANameIsShownAsText) {
    addThroughEditor("<b>Bold</b>");
    EXPECT_EQ(categoryNames(), QStringList{"<b>Bold</b>"});
    EXPECT_EQ(form.TreeView1()->topLevelItem(0)->child(0)->data(0, Qt::DisplayRole).toString(),
              "<b>Bold</b>");
    deleteSelected(MessageAnswer::Yes);
    EXPECT_EQ(plainMessages(), QStringList{"Are you sure you want to delete <b>Bold</b>?"});
    EXPECT_TRUE(storedGroups().empty());
}

} // namespace
