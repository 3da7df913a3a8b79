#include "app/QtColour.h"
#include "fakes/Form1Fixture.h"
#include "store/Statements.h"

#include <QLabel>

namespace {

using fakes::group;
using fakes::item;

class Form1Tree : public fakes::Form1Fixture {
  protected:
    QStringList categoryNames() {
        QStringList names;
        QTreeWidgetItem* root = form.TreeView1()->topLevelItem(0);
        for (int i = 0; i < root->childCount(); ++i) {
            names << root->child(i)->text(0);
        }
        return names;
    }
    bool listHasPicture() const {
        return form.ListView1()->palette().brush(QPalette::Base).style() == Qt::TexturePattern;
    }
};

TEST_F(Form1Tree, EmptyCatalogueGivesTheRootAloneNamedAfterTheComputer) {
    form.loadGroups();
    ASSERT_EQ(form.TreeView1()->topLevelItemCount(), 1);
    QTreeWidgetItem* root = form.TreeView1()->topLevelItem(0);
    EXPECT_EQ(root->text(0), "DESK");
    EXPECT_EQ(app::Form1::nodeKey(root), "Root");
    EXPECT_EQ(root->childCount(), 0);

    platform.environment.variables.remove("COMPUTERNAME");
    form.loadGroups();
    EXPECT_EQ(form.TreeView1()->topLevelItem(0)->text(0), "testhost");
}

TEST_F(Form1Tree, CategoriesComeInNameOrderIgnoringCaseWithKeysAndColours) {
    store::insertGroup(db(), group("zebra", "", app::codeFromColour(QColor(0, 0, 255))));
    store::insertGroup(db(), group("Alpha", "", app::codeFromColour(QColor(255, 0, 0))));
    store::insertGroup(db(), group("beta"));
    store::insertGroup(db(), group("Ärzte"));
    form.Label1()->setText("stale");

    form.loadGroups();

    EXPECT_EQ(categoryNames(), (QStringList{"Alpha", "Ärzte", "beta", "zebra"}));
    QTreeWidgetItem* root = form.TreeView1()->topLevelItem(0);
    EXPECT_TRUE(root->isExpanded());
    EXPECT_EQ(app::Form1::nodeKey(root->child(0)), "key_Alpha");
    EXPECT_EQ(root->child(0)->foreground(0).color(), QColor(255, 0, 0));
    EXPECT_EQ(root->child(1)->foreground(0).color(), QColor(0, 0, 0));
    EXPECT_EQ(root->child(3)->foreground(0).color(), QColor(0, 0, 255));
    EXPECT_TRUE(form.Label1()->text().isEmpty());
    EXPECT_FALSE(form.mNodeIsGroup) << "rebuilding the tree is not a node click";
}

TEST_F(Form1Tree, ClickingACategoryShowsItsDescriptionPictureAndShortcuts) {
    platform.files.files["/pics/sky.png"] = "";
    platform.images.pictures["/pics/sky.png"] = QColor(0, 128, 255);
    store::insertGroup(db(), group("Games", "Things to play", 0, "/pics/sky.png"));
    store::insertGroup(db(), group("Lost", "Picture gone", 0, "/pics/missing.png"));
    store::insertGroup(db(), group("Plain", ""));
    store::insertItem(db(), item("Games", "Chess", 2, "/usr/games/chess"));

    clickCategory("Games");
    EXPECT_TRUE(form.mNodeIsGroup);
    EXPECT_EQ(form.Label1()->text(), "Things to play");
    EXPECT_TRUE(listHasPicture());
    EXPECT_EQ(listCaptions(), QStringList{"Chess"});

    // A picture that is gone is removed without a word.
    clickCategory("Lost");
    EXPECT_EQ(form.Label1()->text(), "Picture gone");
    EXPECT_FALSE(listHasPicture());
    EXPECT_TRUE(listCaptions().isEmpty());
    EXPECT_TRUE(platform.messages.shown.empty());

    clickCategory("Games");
    clickCategory("Plain");
    EXPECT_FALSE(listHasPicture());
    EXPECT_TRUE(platform.messages.shown.empty());
}

TEST_F(Form1Tree, APictureThatCannotBeReadKeepsThePreviousOneAndStillListsShortcuts) {
    platform.files.files["/pics/sky.png"] = "";
    platform.images.pictures["/pics/sky.png"] = QColor(0, 128, 255);
    platform.files.files["/pics/broken.png"] = "";
    store::insertGroup(db(), group("Games", "", 0, "/pics/sky.png"));
    store::insertGroup(db(), group("Broken", "", 0, "/pics/broken.png"));
    store::insertItem(db(), item("Broken", "Tool", 1, "/tmp"));

    clickCategory("Games");
    clickCategory("Broken");

    ASSERT_EQ(platform.messages.shown.size(), 1u);
    EXPECT_EQ(platform.messages.shown[0].title, "Application Error");
    EXPECT_TRUE(platform.messages.shown[0].text.contains(
        "in Vantory2021/08/31.Form1.TreeView1_NodeClick at line 120"));
    EXPECT_TRUE(listHasPicture());
    EXPECT_EQ(listCaptions(), QStringList{"Tool"});
}

TEST_F(Form1Tree, ClickingTheRootClearsEverythingButThePicture) {
    platform.files.files["/pics/sky.png"] = "";
    platform.images.pictures["/pics/sky.png"] = QColor(0, 128, 255);
    store::insertGroup(db(), group("Games", "Things to play", 0, "/pics/sky.png"));
    store::insertItem(db(), item("Games", "Chess", 2, "/usr/games/chess"));
    clickCategory("Games");

    form.TreeView1()->setCurrentItem(form.TreeView1()->topLevelItem(0));

    EXPECT_FALSE(form.mNodeIsGroup);
    EXPECT_TRUE(form.Label1()->text().isEmpty());
    EXPECT_EQ(form.ListView1()->count(), 0);
    EXPECT_TRUE(listHasPicture());
}

TEST_F(Form1Tree, ACategoryWhoseRowVanishedListsWhatStillCarriesItsName) {
    platform.files.files["/pics/sky.png"] = "";
    platform.images.pictures["/pics/sky.png"] = QColor(0, 128, 255);
    store::insertGroup(db(), group("Games", "Things to play", 0, "/pics/sky.png"));
    store::insertGroup(db(), group("Old", "Old things"));
    store::insertItem(db(), item("Old", "Relic", 1, "/tmp"));
    clickCategory("Games");
    QTreeWidgetItem* old = nullptr;
    for (QTreeWidgetItem* node :
         form.TreeView1()->findItems("Old", Qt::MatchExactly | Qt::MatchRecursive)) {
        old = node;
    }
    ASSERT_NE(old, nullptr);
    store::deleteGroup(db(), "Old");

    form.TreeView1()->setCurrentItem(old);

    EXPECT_TRUE(form.mNodeIsGroup);
    EXPECT_TRUE(form.Label1()->text().isEmpty());
    EXPECT_FALSE(listHasPicture());
    EXPECT_EQ(listCaptions(), QStringList{"Relic"});
    EXPECT_TRUE(platform.messages.shown.empty());
}

TEST_F(Form1Tree, AColourThatIsNotANumberStopsTheRebuildThroughTheCaller) {
    store::insertGroup(db(), group("Alpha"));
    store::insertGroup(db(), group("Beta"));
    db().execute("update tblGroups set grouptextcolor='blue' where groupcaption='Beta'");

    EXPECT_THROW(form.loadGroups(), std::exception);
    ASSERT_EQ(form.TreeView1()->topLevelItemCount(), 1);
    // The nodes added before the bad row stay.
    EXPECT_EQ(form.TreeView1()->topLevelItem(0)->childCount(), 2);
}

} // namespace
