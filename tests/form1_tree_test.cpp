// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CategoryNode.h"
#include "common/ColourScheme.h"
#include "common/ImageLists.h"
#include "common/QtColour.h"
#include "fakes/Form1Fixture.h"

#include "store/Statements.h"
#include <QTest>

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QSignalSpy>

namespace {

TEST(CategoryNode, AnswersFromItsFieldsUntilAValueIsSetOnIt) {
    const QIcon folder = common::imageListIcon(2);
    app::CategoryNode node(QStringLiteral("Tools"), folder, QColor(0x80, 0x40, 0x20),
                           QApplication::palette());
    EXPECT_EQ(node.text(0), QStringLiteral("Tools"));
    EXPECT_EQ(node.data(0, Qt::UserRole).toString(), QStringLiteral("key_Tools"));
    EXPECT_EQ(node.foreground(0).color(), QColor(0x80, 0x40, 0x20));
    EXPECT_EQ(node.icon(0).cacheKey(), folder.cacheKey());
    EXPECT_FALSE(node.data(1, Qt::UserRole).isValid());
    EXPECT_FALSE(node.data(0, Qt::ToolTipRole).isValid());

    // A category whose colour could not be read draws in the tree's own colour.
    const app::CategoryNode plain(QStringLiteral("Games"), folder, std::nullopt,
                                  QApplication::palette());
    EXPECT_FALSE(plain.data(0, Qt::ForegroundRole).isValid());
    EXPECT_EQ(plain.data(0, Qt::UserRole).toString(), QStringLiteral("key_Games"));

    node.setForeground(0, QColor(Qt::blue));
    node.setData(0, Qt::UserRole, QStringLiteral("key_Other"));
    node.setIcon(0, QIcon());
    EXPECT_EQ(node.foreground(0).color(), QColor(Qt::blue));
    EXPECT_EQ(node.data(0, Qt::UserRole).toString(), QStringLiteral("key_Other"));
    EXPECT_TRUE(node.icon(0).isNull());
    node.setText(0, QStringLiteral("Renamed"));
    EXPECT_EQ(node.text(0), QStringLiteral("Renamed"));
}

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
    store::insertGroup(db(), group("zebra", "", common::codeFromColour(QColor(0, 0, 255))));
    store::insertGroup(db(), group("Alpha", "", common::codeFromColour(QColor(255, 0, 0))));
    store::insertGroup(db(), group("beta"));
    store::insertGroup(db(), group("Ärzte"));
    form.Label1()->setText("stale");

    form.loadGroups();

    // A reader's order: the umlaut sorts with its letter, not after z.
    EXPECT_EQ(categoryNames(), (QStringList{"Alpha", "Ärzte", "beta", "zebra"}));
    QTreeWidgetItem* root = form.TreeView1()->topLevelItem(0);
    EXPECT_TRUE(root->isExpanded());
    EXPECT_EQ(app::Form1::nodeKey(root->child(0)), "key_Alpha");
    EXPECT_EQ(root->child(0)->foreground(0).color(), QColor(0xEE, 0, 0))
        << "red, darkened to reach 4.5:1 on white";
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

    clickRoot();

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

    clickNode(old);

    EXPECT_TRUE(form.mNodeIsGroup);
    EXPECT_TRUE(form.Label1()->text().isEmpty());
    EXPECT_FALSE(listHasPicture());
    EXPECT_EQ(listCaptions(), QStringList{"Relic"});
    EXPECT_TRUE(platform.messages.shown.empty());
}

TEST_F(Form1Tree, ColoursThatAreNotNumbersKeepTheDefaultAndAreToldOnceAfterTheWholeTree) {
    store::insertGroup(db(), group("Alpha"));
    store::insertGroup(db(), group("Beta"));
    store::insertGroup(db(), group("Gamma"));
    store::insertGroup(db(), group("Zeta", "last", common::codeFromColour(QColor(255, 0, 0))));
    db().execute("update tblGroups set grouptextcolor='blue' where groupcaption='Beta'");
    db().execute("update tblGroups set grouptextcolor='12abc' where groupcaption='Gamma'");
    form.Label1()->setText("stale");

    // The fault reaches the caller once, after every category is in the tree.
    try {
        form.loadGroups();
        ADD_FAILURE() << "the bad colours were not reported";
    } catch (const std::exception& e) {
        const QString told = QString::fromUtf8(e.what());
        EXPECT_TRUE(told.contains("\"Beta\"")) << e.what();
        EXPECT_TRUE(told.contains("blue")) << e.what();
        EXPECT_TRUE(told.contains("One more category")) << e.what();
    }
    ASSERT_EQ(categoryNames(), (QStringList{"Alpha", "Beta", "Gamma", "Zeta"}));
    EXPECT_EQ(findCategory("Beta")->foreground(0).color(), QColor(0, 0, 0));
    EXPECT_EQ(findCategory("Gamma")->foreground(0).color(), QColor(0, 0, 0));
    EXPECT_EQ(findCategory("Zeta")->foreground(0).color(), QColor(0xEE, 0, 0))
        << "red, darkened to reach 4.5:1 on white";
    EXPECT_TRUE(form.Label1()->text().isEmpty());

    // The categories after the bad ones work as any other.
    clickNode(findCategory("Zeta"));
    EXPECT_EQ(form.Label1()->text(), "last");
    EXPECT_TRUE(form.mNodeIsGroup);
}

TEST_F(Form1Tree, UserTextIsShownAsTypedAndTheDescriptionIsWhatAScreenReaderReads) {
    store::insertGroup(db(), group("<b>Bold</b> tools", "<u>underlined</u> item"));
    store::insertItem(db(), item("<b>Bold</b> tools", "<h1>Big</h1>", 3, "https://example.org", "",
                                 0, 0, "<img src=\"/some/file\">"));
    QLabel* label = form.Label1();
    const auto readAloud = [&](QAccessible::Text what) {
        QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(label);
        return shown ? shown->text(what) : QStringLiteral("<no accessible interface>");
    };
    // Rich text would drop the tags and so need less room than the text as typed.
    const auto showsTheTagsToo = [&] {
        return label->sizeHint().width() >= label->fontMetrics().horizontalAdvance(label->text());
    };

    clickCategory("<b>Bold</b> tools");
    EXPECT_EQ(findCategory("<b>Bold</b> tools")->text(0), "<b>Bold</b> tools");
    EXPECT_EQ(listCaptions(), QStringList{"<h1>Big</h1>"});
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
    EXPECT_EQ(label->text(), "<u>underlined</u> item");
    EXPECT_TRUE(showsTheTagsToo());
    EXPECT_EQ(readAloud(QAccessible::Name), "<u>underlined</u> item");
    EXPECT_EQ(readAloud(QAccessible::Description), "Description");

    clickShortcut("<h1>Big</h1>");
    EXPECT_EQ(label->text(), "<img src=\"/some/file\">");
    EXPECT_TRUE(showsTheTagsToo());
    EXPECT_EQ(readAloud(QAccessible::Name), "<img src=\"/some/file\">");

    clickRoot();
    EXPECT_EQ(readAloud(QAccessible::Name), "");
    EXPECT_EQ(readAloud(QAccessible::Description), "Description");
}

TEST_F(Form1Tree, OnlyTheUsersClicksAndKeyboardMovesAreNodeClicks) {
    store::insertGroup(db(), group("Alpha", "first"));
    store::insertGroup(db(), group("Beta", "second"));
    store::insertItem(db(), item("Beta", "Ball", 1, "/tmp"));
    clickCategory("Alpha");
    ASSERT_EQ(form.Label1()->text(), "first");

    // Selecting from code changes nothing else.
    form.TreeView1()->setCurrentItem(findCategory("Beta"));
    EXPECT_EQ(form.Label1()->text(), "first");
    EXPECT_TRUE(listCaptions().isEmpty());

    // A keyboard move is a node click.
    form.TreeView1()->setCurrentItem(findCategory("Alpha"));
    QTest::keyClick(form.TreeView1(), Qt::Key_Down);
    EXPECT_EQ(form.TreeView1()->currentItem(), findCategory("Beta"));
    EXPECT_EQ(form.Label1()->text(), "second");
    EXPECT_EQ(listCaptions(), QStringList{"Ball"});

    // A click on the node already selected is a node click too.
    form.Label1()->clear();
    clickNode(findCategory("Beta"));
    EXPECT_EQ(form.Label1()->text(), "second");
    QTest::keyClick(form.TreeView1(), Qt::Key_Up);
    EXPECT_EQ(form.Label1()->text(), "first");
    EXPECT_TRUE(listCaptions().isEmpty());
}

TEST_F(Form1Tree, ManyCategoriesAllStandUnderTheRootWithTheirPicturesAndCanBeClicked) {
    for (int i = 0; i < 300; ++i) {
        const std::string name = QString("Category %1").arg(i, 3, 10, QChar('0')).toStdString();
        store::insertGroup(db(), group(name, "About " + name,
                                       common::codeFromColour(QColor(i % 256, i / 256, 7))));
    }
    store::insertItem(db(), item("Category 299", "Last tool", 1, "/tmp"));

    form.loadGroups();

    QTreeWidgetItem* root = form.TreeView1()->topLevelItem(0);
    ASSERT_EQ(root->childCount(), 300);
    EXPECT_TRUE(root->isExpanded());
    EXPECT_EQ(root->icon(0).cacheKey(), common::imageListIcon(1).cacheKey());
    for (int i = 0; i < 300; ++i) {
        const QString name = QString("Category %1").arg(i, 3, 10, QChar('0'));
        QTreeWidgetItem* node = root->child(i);
        ASSERT_EQ(node->text(0), name);
        EXPECT_EQ(app::Form1::nodeKey(node), "key_" + name);
        EXPECT_EQ(node->icon(0).cacheKey(), common::imageListIcon(2).cacheKey()) << i;
        // Each as stored, or darkened just enough to read on the white tree.
        const QColor stored(i % 256, i / 256, 7);
        const QColor shown = node->foreground(0).color();
        EXPECT_TRUE(shown == stored ||
                    (shown.red() < stored.red() && common::contrastRatio(shown, Qt::white) >= 4.5))
            << i;
        EXPECT_EQ(node->childCount(), 0);
    }

    // The view knows every node: the last one shows where it is and answers a click.
    clickNode(findCategory("Category 299"));
    EXPECT_EQ(form.Label1()->text(), "About Category 299");
    EXPECT_EQ(listCaptions(), QStringList{"Last tool"});
}

TEST_F(Form1Tree, TheRootIsExpandedOnlyWhenItHoldsCategories) {
    form.loadGroups();
    EXPECT_FALSE(form.TreeView1()->topLevelItem(0)->isExpanded());

    store::insertGroup(db(), group("Only"));
    form.loadGroups();
    EXPECT_TRUE(form.TreeView1()->topLevelItem(0)->isExpanded());
    EXPECT_TRUE(form.TreeView1()->visualItemRect(findCategory("Only")).isValid());

    store::deleteGroup(db(), "Only");
    form.loadGroups();
    ASSERT_EQ(form.TreeView1()->topLevelItemCount(), 1);
    EXPECT_EQ(form.TreeView1()->topLevelItem(0)->childCount(), 0);
    EXPECT_FALSE(form.TreeView1()->topLevelItem(0)->isExpanded());
}

TEST_F(Form1Tree, RebuildingTheTreeSendsNoSelectionSignalsAndKeepsTheClickedState) {
    store::insertGroup(db(), group("Alpha", "first"));
    store::insertGroup(db(), group("Beta", "second"));
    store::insertItem(db(), item("Beta", "Ball", 1, "/tmp"));
    clickCategory("Beta");
    ASSERT_TRUE(form.mNodeIsGroup);
    ASSERT_EQ(form.Label1()->text(), "second");

    QSignalSpy current(form.TreeView1(), &QTreeWidget::currentItemChanged);
    QSignalSpy selection(form.TreeView1(), &QTreeWidget::itemSelectionChanged);
    QSignalSpy expanded(form.TreeView1(), &QTreeWidget::itemExpanded);
    form.loadGroups();

    EXPECT_EQ(current.count(), 0);
    EXPECT_EQ(selection.count(), 0);
    EXPECT_EQ(expanded.count(), 0);
    EXPECT_TRUE(form.mNodeIsGroup) << "a rebuild is not a node click";
    EXPECT_TRUE(form.Label1()->text().isEmpty());
    EXPECT_EQ(listCaptions(), QStringList{"Ball"});
}

TEST_F(Form1Tree, ManyBadColoursAreCountedInTheOneMessage) {
    store::insertGroup(db(), group("Alpha"));
    for (const char* name : {"Beta", "Delta", "Epsilon", "Gamma"}) {
        store::insertGroup(db(), group(name));
    }
    db().execute("update tblGroups set grouptextcolor='blue' where groupcaption<>'Alpha'");

    try {
        form.loadGroups();
        ADD_FAILURE() << "the bad colours were not reported";
    } catch (const std::exception& e) {
        EXPECT_EQ(QString::fromUtf8(e.what()),
                  "The category \"Beta\" is shown in the default colour. The value \"blue\" in "
                  "column grouptextcolor is not a number. 3 more categories are shown in the "
                  "default colour too.");
    }
    EXPECT_EQ(categoryNames(), (QStringList{"Alpha", "Beta", "Delta", "Epsilon", "Gamma"}));
    EXPECT_TRUE(form.TreeView1()->topLevelItem(0)->isExpanded());
}

} // namespace
