// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/ImageLists.h"
#include "common/QtColour.h"
#include "fakes/Form1Fixture.h"
#include "store/Statements.h"

#include <QCoreApplication>
#include <QLabel>
#include <QScrollBar>
#include <QTest>

namespace {

using fakes::group;
using fakes::item;

class Form1List : public fakes::Form1Fixture {
  protected:
    int imageOf(const QString& caption) {
        const auto found = form.ListView1()->findItems(caption, Qt::MatchExactly);
        return found.isEmpty() ? -1 : found.first()->data(app::Form1::kImageRole).toInt();
    }
    QColor colourOf(const QString& caption) {
        return form.ListView1()->findItems(caption, Qt::MatchExactly).first()->foreground().color();
    }
};

TEST_F(Form1List, ShortcutsComeInCaptionOrderWithTheirKindsPictureAndColour) {
    store::insertGroup(db(), group("Work"));
    store::insertGroup(db(), group("Empty"));
    store::insertItem(db(), item("Work", "mail", 4, "me@example.org", "", 0,
                                 common::codeFromColour(QColor(0, 128, 0))));
    store::insertItem(db(), item("Work", "Docs", 1, "/usr/share/doc"));
    store::insertItem(db(), item("Work", "Browser", 3, "https://example.org"));
    store::insertItem(db(), item("Work", "editor", 2, "/usr/bin/editor"));
    store::insertItem(db(), item("Work", "Report", 5, "/home/me/report.odt"));
    store::insertItem(db(), item("work", "Élan", 1, "/tmp"));
    store::insertItem(db(), item("Other", "Hidden", 1, "/tmp"));

    clickCategory("Work");

    EXPECT_EQ(listCaptions(), (QStringList{"Browser", "Docs", "editor", "Élan", "mail", "Report"}));
    EXPECT_EQ(imageOf("Docs"), 2);
    EXPECT_EQ(imageOf("editor"), 3);
    EXPECT_EQ(imageOf("Browser"), 4);
    EXPECT_EQ(imageOf("mail"), 5);
    EXPECT_EQ(imageOf("Report"), 3) << "a shell-opened file shows the program picture";
    EXPECT_EQ(colourOf("mail"), QColor(0, 128, 0));
    EXPECT_EQ(colourOf("Docs"), QColor(0, 0, 0));

    clickCategory("Empty");
    EXPECT_TRUE(listCaptions().isEmpty());
    EXPECT_TRUE(platform.messages.shown.empty());
}

TEST_F(Form1List, BadKindsAndColoursAreReportedAndTheRowIsStillListed) {
    store::insertGroup(db(), group("Work"));
    store::insertItem(db(), item("Work", "a first", 3, "https://example.org"));
    store::insertItem(db(), item("Work", "b colour", 1, "/tmp"));
    store::insertItem(db(), item("Work", "c kind", 1, "/tmp"));
    db().execute("update tblItems set itemtextcolor='red' where itemcaption='b colour'");
    db().execute("update tblItems set itemtype='odd' where itemcaption='c kind'");

    clickCategory("Work");

    EXPECT_EQ(listCaptions(), (QStringList{"a first", "b colour", "c kind"}));
    EXPECT_EQ(colourOf("b colour"), QColor(0, 0, 0));
    // The kind test fails into its branch, so the row takes the program picture.
    EXPECT_EQ(imageOf("c kind"), 3);
    // Told once for the whole fill.
    const QStringList texts = platform.messages.texts();
    ASSERT_EQ(texts.size(), 1);
    EXPECT_TRUE(texts[0].startsWith("The value \"red\" in column itemtextcolor is not a number. "
                                    "One more value in this category is not a number either."))
        << texts[0].toStdString();
    EXPECT_TRUE(texts[0].contains("Form1.loadItems at line 128"));
}

TEST_F(Form1List, ALongListEndsScrolledToItsLastShortcut) {
    store::insertGroup(db(), group("Many"));
    for (int i = 0; i < 400; ++i) {
        store::insertItem(
            db(),
            item("Many", QString("Item %1").arg(i, 4, 10, QChar('0')).toStdString(), 1, "/tmp"));
    }
    form.show();
    clickCategory("Many");
    QCoreApplication::processEvents();

    QListWidget* list = form.ListView1();
    ASSERT_EQ(list->count(), 400);
    EXPECT_EQ(list->currentItem(), list->item(0));
    EXPECT_GT(list->verticalScrollBar()->value(), 0);
    EXPECT_TRUE(list->viewport()->rect().intersects(list->visualItemRect(list->item(399))));
    EXPECT_TRUE(list->updatesEnabled());
}

TEST_F(Form1List, AFilledListHasItsFirstShortcutSelectedSoLaunchingActsAtOnce) {
    store::insertGroup(db(), group("Web"));
    store::insertGroup(db(), group("Empty"));
    store::insertItem(db(), item("Web", "b second", 3, "https://b.example"));
    store::insertItem(db(), item("Web", "a first", 3, "https://a.example"));
    QListWidget* list = form.ListView1();

    clickCategory("Web");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->currentItem(), list->item(0));
    EXPECT_TRUE(list->item(0)->isSelected());

    clickButton(7);
    QTest::keyClick(form.TreeView1(), Qt::Key_L, Qt::ControlModifier);
    ASSERT_EQ(platform.shell.requests.size(), 2u);
    EXPECT_EQ(platform.shell.requests[0].file, "\"https://a.example\"");
    EXPECT_EQ(platform.shell.requests[1].file, "\"https://a.example\"");

    // Refilling selects the first again; an empty list has nothing selected and launches nothing.
    clickShortcut("b second");
    form.loadItems();
    EXPECT_EQ(list->currentItem(), list->item(0));
    clickCategory("Empty");
    EXPECT_EQ(list->currentItem(), nullptr);
    clickButton(7);
    EXPECT_EQ(platform.shell.requests.size(), 3u);
    EXPECT_TRUE(platform.messages.shown.empty());
}

TEST_F(Form1List, ClickingAShortcutShowsItsOwnCategorysDescriptionThenLaunches) {
    store::insertGroup(db(), group("A"));
    store::insertGroup(db(), group("B"));
    store::insertItem(db(), item("A", "Same", 3, "https://a.example", "", 0, 0, "from A"));
    store::insertItem(db(), item("B", "Same", 3, "https://b.example", "", 0, 0, "from B"));

    clickCategory("B");
    clickShortcut("Same");

    EXPECT_EQ(form.Label1()->text(), "from B");
    ASSERT_EQ(platform.shell.requests.size(), 1u);
    EXPECT_EQ(platform.shell.requests[0].file, "\"https://b.example\"");
}

TEST_F(Form1List, TheDescriptionStaysWhenTheLaunchRefuses) {
    store::insertGroup(db(), group("A"));
    store::insertItem(db(), item("A", "Gone", 2, "/nowhere/app", "", 0, 0, "a lost program"));
    clickCategory("A");

    clickShortcut("Gone");

    EXPECT_EQ(form.Label1()->text(), "a lost program");
    EXPECT_EQ(platform.messages.texts(),
              QStringList{"File does not exists.\r\nPlease check the file path."});
    EXPECT_TRUE(platform.shell.requests.empty());
}

TEST_F(Form1List, ScrollToItemSelectsAndFocusesTheItem) {
    store::insertGroup(db(), group("Many"));
    for (int i = 0; i < 60; ++i) {
        store::insertItem(
            db(),
            item("Many", QString("Item %1").arg(i, 2, 10, QChar('0')).toStdString(), 1, "/tmp"));
    }
    form.show();
    clickCategory("Many");
    QListWidget* list = form.ListView1();

    form.ScrollToItem(1);
    EXPECT_EQ(list->currentItem(), list->item(0));
    EXPECT_TRUE(list->item(0)->isSelected());
    EXPECT_TRUE(list->viewport()->rect().intersects(list->visualItemRect(list->item(0))));

    form.ScrollToItem(30);
    EXPECT_EQ(list->currentItem(), list->item(29));
    EXPECT_TRUE(list->viewport()->rect().intersects(list->visualItemRect(list->item(29))));
    EXPECT_THROW(form.ScrollToItem(61), std::exception);
}

TEST_F(Form1List, EachEntryKeepsItsOwnColourAcrossRunsOfColoursAndKindsOutsideThePictures) {
    const QColor red(200, 0, 0);
    const QColor blue(0, 0, 200);
    store::insertGroup(db(), group("Mixed"));
    platform.files.folders.insert("/tmp"); // every entry's target is there
    const auto add = [&](const char* caption, std::int16_t kind, const QColor& colour) {
        store::insertItem(
            db(), item("Mixed", caption, kind, "/tmp", "", 0, common::codeFromColour(colour)));
    };
    add("a red", 1, red);
    add("b red", 2, red);
    add("c blue", 3, blue);
    add("d unreadable", 4, blue);
    add("e blue", 5, blue);
    add("f red", 1, red);
    add("g computer", 0, blue);
    add("h no picture", 7, red);
    db().execute("update tblItems set itemtextcolor='dark' where itemcaption='d unreadable'");

    clickCategory("Mixed");

    // A kind with no picture lists no entry; the rows after it are listed as usual.
    EXPECT_EQ(listCaptions(), (QStringList{"a red", "b red", "c blue", "d unreadable", "e blue",
                                           "f red", "g computer"}));
    EXPECT_EQ(colourOf("a red"), red);
    EXPECT_EQ(colourOf("b red"), red);
    EXPECT_EQ(colourOf("c blue"), blue);
    EXPECT_EQ(colourOf("d unreadable"), QColor(0, 0, 0));
    EXPECT_EQ(colourOf("e blue"), blue);
    EXPECT_EQ(colourOf("f red"), red);
    EXPECT_EQ(imageOf("a red"), 2);
    EXPECT_EQ(imageOf("e blue"), 3);
    EXPECT_EQ(imageOf("g computer"), 1);
    const auto iconOf = [&](const QString& caption) {
        return form.ListView1()->findItems(caption, Qt::MatchExactly).first()->icon().cacheKey();
    };
    EXPECT_EQ(iconOf("g computer"), common::imageListIcon(1).cacheKey());
    EXPECT_EQ(iconOf("c blue"), common::imageListIcon(4).cacheKey());
    EXPECT_EQ(iconOf("e blue"), common::imageListIcon(3).cacheKey());

    const QStringList texts = platform.messages.texts();
    ASSERT_EQ(texts.size(), 2);
    EXPECT_TRUE(texts[0].contains("Form1.loadItems at line 118")) << texts[0].toStdString();
    EXPECT_TRUE(texts[1].contains("Form1.loadItems at line 128")) << texts[1].toStdString();
}

} // namespace
