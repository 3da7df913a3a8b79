// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakes/Form1Fixture.h"
#include "finder/Finder.h"
#include "finder/FinderCatalogue.h"
#include "finder/FinderIndex.h"
#include "finder/ResultList.h"
#include "finder/TextFolding.h"
#include "platform/DesktopLaunchCounts.h"
#include "store/Statements.h"
#include "store/Transaction.h"

#include <QAccessible>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QScrollBar>
#include <QStringListModel>
#include <QTemporaryDir>
#include <future>

namespace {

using fakes::group;
using fakes::item;

class FinderTest : public fakes::Form1Fixture {
  protected:
    void SetUp() override {
        for (const char* name : {"Office", "Tools", "Web"}) {
            store::insertGroup(db(), group(name));
        }
        store::insertItem(db(), item("Tools", "Calculator", 3, "https://calc.example"));
        store::insertItem(db(), item("Office", "Notes", 3, "https://notes.example"));
        store::insertItem(db(), item("Web", "News", 3, "https://news.example"));
        clickCategory("Office");
    }

    // Types into a control of the main window, then into the finder it opened.
    void typeInto(QWidget* control, const QString& text) {
        QTest::keyClick(control, text.at(0).toLatin1());
        ASSERT_NE(form.finder(), nullptr);
        form.finderCatalogue()->waitUntilBuilt();
        QTest::keyClicks(field(), text.mid(1));
    }
    QLineEdit* field() { return form.finder()->field(); }
    QStringList results() {
        QStringList rows;
        const QAbstractItemModel* found = form.finder()->results()->model();
        for (int i = 0; i < found->rowCount(); ++i) {
            rows << found->index(i, 0).data().toString();
        }
        return rows;
    }
    QString countShown() {
        return form.finder()->count()->isVisible() ? form.finder()->count()->text() : QString();
    }
    QString chosenRow() { return form.finder()->results()->currentIndex().data().toString(); }
};

TEST_F(FinderTest, TypingInTheListFindsInEveryCategoryAndEnterLaunches) {
    typeInto(form.ListView1(), "calc");
    EXPECT_TRUE(form.finder()->isVisible());
    EXPECT_EQ(field()->text(), "calc");
    EXPECT_EQ(results(), QStringList{"Calculator"});
    EXPECT_EQ(form.finder()->results()->model()->index(0, 0).data(Qt::AccessibleTextRole),
              "Calculator, Tools");
    EXPECT_EQ(countShown(), "1 shortcut found");
    EXPECT_EQ(form.finder()->results()->accessibleDescription(), "1 shortcut found");

    QTest::keyClick(field(), Qt::Key_Return);
    ASSERT_EQ(platform.shell.requests.size(), 1u);
    EXPECT_EQ(platform.shell.requests[0].file, "\"https://calc.example\"");
    EXPECT_FALSE(form.finder()->isVisible());
    EXPECT_EQ(
        platform.launchCounts.counts.value(platform::LaunchCounts::key("Tools", "Calculator")), 1);
    // The shortcut launched is the one the window now shows.
    EXPECT_EQ(form.selectedCategory(), "Tools");
    EXPECT_EQ(form.selectedCaption(), "Calculator");
}

TEST_F(FinderTest, TypingInTheTreeFindsAndAltEnterShowsWithoutLaunching) {
    typeInto(form.TreeView1(), "n");
    EXPECT_EQ(results(), (QStringList{"News", "Notes"}));
    QTest::keyClick(field(), Qt::Key_Down);
    QTest::keyClick(field(), Qt::Key_Return, Qt::AltModifier);
    EXPECT_TRUE(platform.shell.requests.empty());
    EXPECT_FALSE(form.finder()->isVisible());
    EXPECT_EQ(form.selectedCategory(), "Office");
    EXPECT_EQ(form.selectedCaption(), "Notes");
}

TEST_F(FinderTest, NothingFoundSaysSoAndEnterDoesNothing) {
    typeInto(form.ListView1(), "zebra");
    EXPECT_EQ(results(), QStringList{});
    EXPECT_EQ(countShown(), "No shortcut matches.");
    EXPECT_FALSE(form.finder()->results()->isVisible());
    QTest::keyClick(field(), Qt::Key_Return);
    EXPECT_TRUE(platform.shell.requests.empty());
    EXPECT_TRUE(form.finder()->isVisible());
}

TEST_F(FinderTest, EscapeClosesAndGivesTheFocusBack) {
    form.TreeView1()->setFocus();
    QTest::keyClick(form.TreeView1(), Qt::Key_F, Qt::ControlModifier);
    ASSERT_NE(form.finder(), nullptr);
    EXPECT_TRUE(form.finder()->isVisible());
    EXPECT_EQ(field()->text(), "");
    EXPECT_EQ(field()->accessibleName(), "Find a shortcut");
    QTest::keyClick(field(), Qt::Key_Escape);
    EXPECT_FALSE(form.finder()->isVisible());
    EXPECT_EQ(form.focusWidget(), form.TreeView1());
}

TEST_F(FinderTest, AShortcutAddedSinceTheLastSearchIsFound) {
    typeInto(form.ListView1(), "mail");
    EXPECT_EQ(results(), QStringList{});
    QTest::keyClick(field(), Qt::Key_Escape);
    store::insertItem(db(), item("Web", "Mail", 4, "me@example.org"));
    typeInto(form.ListView1(), "mail");
    EXPECT_EQ(results(), QStringList{"Mail"});
}

TEST_F(FinderTest, IsANamedPartOfTheWindowWhoseFieldKeepsTheFocusWhileRowsAreChosen) {
    typeInto(form.TreeView1(), "n");
    QTest::keyClick(field(), Qt::Key_Down);

    finder::Finder* finder = form.finder();
    EXPECT_FALSE(finder->isWindow());
    EXPECT_EQ(finder->window(), &form);
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&form);
    QStringList parts;
    for (int i = 0; i < window->childCount(); ++i) {
        parts << window->child(i)->text(QAccessible::Name);
    }
    EXPECT_TRUE(parts.contains("Find a Shortcut")) << parts.join(", ").toStdString();
    EXPECT_EQ(form.focusWidget(), field());
    EXPECT_EQ(chosenRow(), "Notes");
    // A screen reader asking the list for its active row hears the one chosen.
    QAccessibleInterface* active =
        QAccessible::queryAccessibleInterface(finder->results())->focusChild();
    ASSERT_NE(active, nullptr);
    EXPECT_EQ(active->text(QAccessible::Name), "Notes, Office");
}

TEST_F(FinderTest, ShowsEveryMatchAndTheirCountMakingOnlyTheRowsOnScreen) {
    for (int i = 1; i <= 29; ++i) {
        const std::string number = QString::number(i).rightJustified(2, u'0').toStdString();
        store::insertItem(db(), item("Web", "Page " + number, 5, "/docs/page" + number));
    }
    platform.targetIcons.asked.clear();
    typeInto(form.ListView1(), "page");
    QCoreApplication::processEvents();
    form.finder()->repaint();
    EXPECT_EQ(countShown(), "29 shortcuts found");
    // Only the rows that show were made, each once, the best first.
    ASSERT_FALSE(platform.targetIcons.asked.isEmpty());
    EXPECT_LE(platform.targetIcons.asked.size(), finder::Finder::kVisibleRows);
    EXPECT_EQ(platform.targetIcons.asked.first(), "/docs/page01");

    QListView* list = form.finder()->results();
    for (int i = 0; i < 40; ++i) {
        QTest::keyClick(field(), Qt::Key_Down);
    }
    EXPECT_EQ(chosenRow(), "Page 29");
    EXPECT_TRUE(list->viewport()->rect().contains(list->visualRect(list->currentIndex())));
    QTest::keyClick(field(), Qt::Key_PageUp);
    EXPECT_LT(list->currentIndex().row(), 28);
    QStringList pages;
    for (int i = 1; i <= 29; ++i) {
        pages << QStringLiteral("Page %1").arg(i, 2, 10, QLatin1Char('0'));
    }
    EXPECT_EQ(results(), pages);
}

TEST_F(FinderTest, ALargeCountIsWrittenAsTheLanguageWritesNumbers) {
    store::Transaction all(db());
    for (int i = 0; i < 1234; ++i) {
        store::insertItem(db(), item("Web", "Site " + std::to_string(i), 5, "/site"));
    }
    all.commit();
    const QLocale before;
    for (const auto& [language, shown] : {std::pair{QLocale::English, "1,234 shortcuts found"},
                                          {QLocale::German, "1.234 shortcuts found"}}) {
        QLocale::setDefault(QLocale(language));
        typeInto(form.ListView1(), "site");
        EXPECT_EQ(countShown(), shown);
        QTest::keyClick(field(), Qt::Key_Escape);
    }
    QLocale::setDefault(before);
}

TEST_F(FinderTest, ChoosingShowsTheShortcutsDescriptionAndCtrlLLaunchesTheChosenRow) {
    store::insertItem(db(), item("Tools", "Calendar", 3, "https://cal.example", "", 0, 0, "Days"));
    typeInto(form.ListView1(), "ca");
    QTest::keyClick(field(), Qt::Key_Down);
    EXPECT_EQ(chosenRow(), "Calendar");
    QTest::keyClick(field(), Qt::Key_L, Qt::ControlModifier);
    EXPECT_FALSE(form.finder()->isVisible());
    ASSERT_EQ(platform.shell.requests.size(), 1u);
    EXPECT_EQ(platform.shell.requests[0].file, "\"https://cal.example\"");
    EXPECT_EQ(form.selectedCaption(), "Calendar");
    EXPECT_EQ(form.Label1()->text(), "Days");

    // Shown without launching, the same.
    clickCategory("Web");
    typeInto(form.ListView1(), "calen");
    QTest::keyClick(field(), Qt::Key_Return, Qt::AltModifier);
    EXPECT_EQ(form.Label1()->text(), "Days");
    EXPECT_EQ(platform.shell.requests.size(), 1u);
}

TEST_F(FinderTest, AClickElsewhereInTheWindowClosesItAndStillLands) {
    QTest::keyClick(form.ListView1(), Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(form.finder()->isVisible());
    QTreeWidgetItem* web = findCategory("Web");
    const QPoint place = form.TreeView1()->visualItemRect(web).center();
    const QPoint onWindow = form.TreeView1()->viewport()->mapTo(&form, place);
    ASSERT_FALSE(form.finder()->geometry().contains(onWindow));
    clickNode(web);
    EXPECT_FALSE(form.finder()->isVisible());
    EXPECT_EQ(form.selectedCategory(), "Web");

    // A click on the panel itself leaves it open.
    QTest::keyClick(form.ListView1(), Qt::Key_F, Qt::ControlModifier);
    QTest::mouseClick(form.finder(), Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_TRUE(form.finder()->isVisible());
}

// The ranking, one row per rule: the texts searched, the launch counts, the order expected.
struct Ranking {
    const char* text;
    QHash<QString, int> launches;
    QStringList expected;
};

TEST(FinderRanking, OrdersByWhereTheTextStandsThenLaunchesThenCaption) {
    std::vector<store::ShortcutSummary> shortcuts = {
        {"Tools", "Calculator", "", "/usr/bin/gnome-calculator", 2},
        {"Tools", "Scientific Calculator", "", "/usr/bin/sci", 2},
        {"Tools", "Minicalc", "", "/usr/bin/mini", 2},
        {"Tools", "Notes", "Sums: calc sheets", "/usr/bin/notes", 2},
        {"Tools", "Spreadsheet", "", "/usr/bin/localc", 2},
        {"Calcs", "Abacus", "", "/usr/bin/abacus", 2},
        {"Tools", "Calendar", "", "/usr/bin/cal", 2},
        {"Ärzte", "Café Menu", "", "https://cafe.example", 3},
        {"Web", "Straße", "", "https://maps.example", 3},
        {"Zoo", "Zebra notes", "", "/z", 2},
        {"People", "Émile notes", "", "/e", 2},
        {"Nature", "ecology notes", "", "/n", 2},
        {"Food", "Éclair notes", "", "/f", 2},
        {"Birds", "Eagle notes", "", "/b", 2},
    };
    const store::NameCollator names("");
    finder::FinderIndex index(shortcuts, names);
    const auto key = &platform::LaunchCounts::key;
    const std::vector<Ranking> table = {
        // prefix, then word start, then contained, then the other fields by caption
        {"calc",
         {},
         {"Calculator", "Scientific Calculator", "Minicalc", "Abacus", "Notes", "Spreadsheet"}},
        // launches order equal matches, within their rank only
        {"calc",
         {{key("Tools", "Spreadsheet"), 3}, {key("Tools", "Minicalc"), 9}},
         {"Calculator", "Scientific Calculator", "Minicalc", "Spreadsheet", "Abacus", "Notes"}},
        {"cal",
         {{key("Tools", "Calendar"), 2}},
         {"Calendar", "Calculator", "Scientific Calculator", "Minicalc", "Abacus", "Notes",
          "Spreadsheet"}},
        // every word must match somewhere
        {"sci calc", {}, {"Scientific Calculator"}},
        {"tools sheet", {}, {"Notes", "Spreadsheet"}},
        // case, accents, width
        {"CAFE", {}, {"Café Menu"}},
        {"arzte", {}, {"Café Menu"}},
        {"\uFF23\uFF21\uFF26\uFF25", {}, {"Café Menu"}},
        {"strasse", {}, {"Straße"}},
        // captions ordered as the collator orders them, plain ASCII or not, case aside
        {"notes",
         {},
         {"Notes", "Eagle notes", "Éclair notes", "ecology notes", "Émile notes", "Zebra notes"}},
        {"xyz", {}, {}},
    };
    for (const Ranking& row : table) {
        index.setLaunchCounts(row.launches);
        // Only the first few are asked for at once; the rest come in the same order later.
        const finder::FinderIndex::Found found = index.find(QString::fromUtf8(row.text), 2);
        QStringList captions;
        for (std::size_t number : found.best) {
            captions << QString::fromStdString(index.shortcut(number).caption);
        }
        EXPECT_EQ(captions, row.expected.mid(0, 2)) << row.text;
        for (std::size_t place = 2; place < found.total; ++place) {
            captions << QString::fromStdString(index.shortcut(index.ranked(place)).caption);
        }
        EXPECT_EQ(captions, row.expected) << row.text;
        EXPECT_EQ(found.total, static_cast<std::size_t>(row.expected.size())) << row.text;
    }
}

TEST(LaunchCountsFile, KeepsCountsAcrossStartsAndADamagedFileOnlyLosesThem) {
    QTemporaryDir state;
    const QByteArray before = qgetenv("XDG_STATE_HOME");
    qputenv("XDG_STATE_HOME", QFile::encodeName(state.path()));
    const auto key = &platform::LaunchCounts::key;
    {
        platform::DesktopLaunchCounts first;
        first.noteLaunch("Tools", "Calculator");
        first.noteLaunch("Tools", "Calculator");
        first.noteLaunch("Web", "News");
    }
    platform::DesktopLaunchCounts next;
    EXPECT_EQ(next.all(),
              (QHash<QString, int>{{key("Tools", "Calculator"), 2}, {key("Web", "News"), 1}}));

    QFile file(platform::DesktopLaunchCounts::filePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[{\"category\": \"Tools\", \"capt");
    file.close();
    platform::DesktopLaunchCounts afterDamage;
    EXPECT_TRUE(afterDamage.all().isEmpty());
    afterDamage.noteLaunch("Web", "News");
    EXPECT_EQ(platform::DesktopLaunchCounts().all(),
              (QHash<QString, int>{{key("Web", "News"), 1}}));
    if (before.isEmpty()) {
        qunsetenv("XDG_STATE_HOME");
    } else {
        qputenv("XDG_STATE_HOME", before);
    }
}

// How many strongly red pixels the finder shows in a row's picture: its missing-target cross.
int redPixelsInPicture(QListView* list, int row) {
    list->viewport()->repaint();
    const QImage shown = list->viewport()->grab().toImage();
    const QRect cell = list->visualRect(list->model()->index(row, 0));
    const double scale = double(shown.width()) / list->viewport()->width();
    int red = 0;
    for (int y = cell.top(); y <= cell.bottom(); ++y) {
        for (int x = cell.left(); x <= cell.left() + cell.height(); ++x) {
            const QColor pixel = shown.pixelColor(int(x * scale), int(y * scale));
            red += pixel.red() > 150 && pixel.green() < 90 && pixel.blue() < 90;
        }
    }
    return red;
}

TEST_F(FinderTest, ARowWhoseTargetIsGoneShowsItIsMissingWithoutTheWindowWaiting) {
    platform.files.folders.insert("/home/me/Music");
    platform.files.files["/usr/bin/editor"] = "";
    const struct {
        const char* caption;
        std::int16_t kind;
        const char* path;
        bool missing;
    } cases[] = {
        {"Zap Music", 1, "/home/me/Music", false},   {"Zap Old", 1, "/home/me/Old", true},
        {"Zap Editor", 2, "/usr/bin/editor", false}, {"Zap Gone", 2, "/usr/bin/gone", true},
        {"Zap Site", 3, "www.example.org", false},   {"Zap Notes", 5, "/home/me/gone.txt", true},
    };
    for (const auto& c : cases) {
        store::insertItem(db(), item("Tools", c.caption, c.kind, c.path));
    }
    // The file system does not answer until told to: the finder takes keys meanwhile.
    std::promise<void> answer;
    std::shared_future<void> answered = answer.get_future().share();
    platform.files.onInspect = [answered](const QString&) { answered.wait(); };
    typeInto(form.ListView1(), "za");
    QTest::keyClick(field(), 'p');
    QListView* list = form.finder()->results();
    ASSERT_EQ(results().size(), static_cast<int>(std::size(cases)));
    for (int row = 0; row < list->model()->rowCount(); ++row) {
        EXPECT_LE(redPixelsInPicture(list, row), 12) << "nothing is marked before the answer";
    }
    answer.set_value();
    const auto rowOf = [&](const char* caption) { return results().indexOf(caption); };
    EXPECT_TRUE(QTest::qWaitFor([&] { return redPixelsInPicture(list, rowOf("Zap Old")) > 12; }));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        EXPECT_EQ(redPixelsInPicture(list, rowOf(c.caption)) > 12, c.missing);
    }
    // The target comes back: the finder opened again shows it as there.
    platform.files.folders.insert("/home/me/Old");
    QTest::keyClick(field(), Qt::Key_Escape);
    typeInto(form.ListView1(), "zap");
    EXPECT_TRUE(QTest::qWaitFor([&] { return redPixelsInPicture(list, rowOf("Zap Gone")) > 12; }));
    EXPECT_LE(redPixelsInPicture(list, rowOf("Zap Old")), 12);
}

// The finder's list draws, scrolls and answers clicks as a list view of the same rows does.
TEST(FinderResultList, ShowsWhatAListViewShows) {
    struct Case {
        int rows;
        int current;
        QAbstractItemView::ScrollHint hint;
    };
    for (const Case& c : {Case{3, 1, QAbstractItemView::EnsureVisible},
                          Case{40, 0, QAbstractItemView::EnsureVisible},
                          Case{40, 25, QAbstractItemView::EnsureVisible},
                          Case{40, 39, QAbstractItemView::PositionAtBottom},
                          Case{40, 20, QAbstractItemView::PositionAtTop},
                          Case{40, 20, QAbstractItemView::PositionAtCenter}}) {
        SCOPED_TRACE(testing::Message() << c.rows << " rows, row " << c.current);
        QStringList texts;
        for (int row = 0; row < c.rows; ++row) {
            texts << QStringLiteral("Shortcut %1").arg(row);
        }
        QStringListModel model(texts);
        QListView plain;
        finder::ResultList mine;
        for (QListView* view : {&plain, static_cast<QListView*>(&mine)}) {
            view->setModel(&model);
            view->setUniformItemSizes(true);
            view->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
            view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            view->resize(200, 150);
            view->show();
            view->setCurrentIndex(model.index(c.current));
            view->scrollTo(model.index(c.current), c.hint);
        }
        EXPECT_EQ(mine.verticalScrollBar()->maximum(), plain.verticalScrollBar()->maximum());
        EXPECT_EQ(mine.verticalScrollBar()->value(), plain.verticalScrollBar()->value());
        EXPECT_EQ(mine.grab().toImage(), plain.grab().toImage());
        // A click on a row shown chooses that row.
        const QModelIndex bottom = plain.indexAt(QPoint(10, plain.viewport()->height() - 2));
        const int shown = bottom.isValid() ? bottom.row() : c.rows - 1;
        const QRect rect = mine.visualRect(model.index(shown));
        QTest::mouseClick(mine.viewport(), Qt::LeftButton, {}, rect.center());
        EXPECT_EQ(mine.currentIndex().row(), shown);
        EXPECT_EQ(mine.selectionModel()->selectedIndexes(), QModelIndexList{model.index(shown)});
    }
}

} // namespace

// The copy read in parts and searched before it is ordered by caption, as the window does on
// two cores, answers as the copy read at once and ordered: the same shortcuts, matches and ranks.
TEST(FinderCopy, ReadInPartsAndSearchedBeforeItIsOrderedIsTheCopyReadAtOnce) {
    fakes::TempCatalogue file;
    const auto db = file.open();
    // Names equal to the collator ("alpha", "Alpha", and "Caf\xff", "Caf\xfe", whose bytes that
    // are not UTF-8 both read as U+FFFD) keep the order they were read in.
    for (const char* category : {"One", "Two", "Three"}) {
        store::insertGroup(*db, group(category));
        for (const char* caption :
             {"Zeta", "alpha", "Alpha", "Café", "cafe", "Écran", "Beta", "Caf\xff", "\xfe\xff"}) {
            store::insertItem(*db, item(category, caption, 3, "https://example.org/a"));
        }
    }
    // Gaps in the row ids, and ids at both ends of their range.
    db->execute("delete from tblItems where rowid % 4 = 1");
    db->execute("insert into tblItems (rowid, groupcaption, itemcaption, itempath) values "
                "(-9000000000000000000, 'Two', 'alpha', 'a'), (9000000000000000000, 'One', "
                "'Alpha', 'a'), (8000000000000000000, 'One', cast(x'436166fe' as text), 'a')");
    const std::string path = file.path().toStdString();
    const auto names = std::make_shared<const store::NameCollator>("");
    // Launched ones lead their equals; "Two/Café" and "Three/cafe" tie.
    const auto key = &platform::LaunchCounts::key;
    const QHash<QString, int> counts = {{key("Two", "Alpha"), 4},
                                        {key("Two", "Café"), 4},
                                        {key("Three", "cafe"), 4},
                                        {key("One", "Caf\xff"), 1}};
    const auto shown = [&](finder::FinderIndex& index) {
        index.setLaunchCounts(counts);
        std::vector<std::string> lines;
        for (std::size_t i = 0; i < index.size(); ++i) {
            lines.push_back(index.shortcut(i).category + "/" + index.shortcut(i).caption);
        }
        // Each text, from matching nothing to matching all.
        for (const char* text : {"alpha", "CAFE", "ecran", "a", "two e", "caf", "zzz", "e"}) {
            const finder::FinderIndex::Found found = index.find(QString::fromUtf8(text), 3);
            lines.push_back(text + (": " + std::to_string(found.total)));
            for (std::size_t place = 0; place < found.total; ++place) {
                lines.push_back(std::to_string(index.ranked(place)));
            }
            for (std::size_t number : found.best) {
                lines.push_back("best " + std::to_string(number));
            }
        }
        return lines;
    };
    const std::vector<store::ShortcutSummary> all = store::readAllShortcuts(path, "");
    ASSERT_EQ(all.size(), 23u);
    finder::FinderIndex once(all, *names);
    const std::vector<std::string> expected = shown(once);
    // The one launched leads its equals, and only that one: not the same name elsewhere.
    once.find(QStringLiteral("alpha"), 2);
    EXPECT_EQ(once.shortcut(once.ranked(0)).category, "Two");
    EXPECT_EQ(once.shortcut(once.ranked(1)).category, "Two");
    EXPECT_EQ(once.shortcut(once.ranked(1)).caption, "alpha");
    EXPECT_EQ(once.find(QStringLiteral("a"), 1).total, all.size());
    std::vector<std::size_t> allRanked;
    for (std::size_t place = 0; place < all.size(); ++place) {
        allRanked.push_back(once.ranked(place));
    }

    for (int parts : {1, 2, 3, 7}) {
        std::vector<finder::FinderIndex::Part> folded;
        for (int part = 0; part < parts; ++part) {
            folded.push_back(finder::FinderIndex::read(path, "", part, parts, names.get()));
        }
        finder::FinderIndex inParts(std::move(folded), names);
        EXPECT_EQ(shown(inParts), expected) << parts << " parts, searched before ordered";
        // Ordered between a search and the rows asked for later.
        std::vector<std::size_t> ranked = inParts.find(QStringLiteral("a"), 3).best;
        inParts.setCaptionOrder(inParts.captionOrder());
        ASSERT_TRUE(inParts.ordered());
        for (std::size_t place = ranked.size(); place < all.size(); ++place) {
            ranked.push_back(inParts.ranked(place));
        }
        EXPECT_EQ(ranked, allRanked) << parts;
        EXPECT_EQ(shown(inParts), expected) << parts << " parts, ordered";
    }
}

TEST(FinderFolding, LowersPlainTextOfEveryLengthAndFoldsTheRest) {
    // Every printable ASCII character at every place of an eight-byte step, then texts whose
    // first byte beyond ASCII comes after a whole step.
    std::string ascii;
    for (char c = ' '; c <= '~'; ++c) {
        ascii += c;
    }
    for (std::size_t length = 0; length <= 17; ++length) {
        for (std::size_t from = 0; from + length <= ascii.size(); ++from) {
            const std::string text = ascii.substr(from, length);
            EXPECT_EQ(finder::foldForSearch(text),
                      QString::fromStdString(text).toLower().toStdString())
                << text;
        }
    }
    const std::vector<std::pair<const char*, const char*>> table = {
        {"ABCDEFGHÉcran", "abcdefghecran"},
        {"Straße STRASSE", "strasse strasse"},
        {"ABCDEFGH\x7f@[`{", "abcdefgh\x7f@[`{"},
        {"ＡＢＣ", "abc"},
    };
    for (const auto& [text, folded] : table) {
        EXPECT_EQ(finder::foldForSearch(text), folded) << text;
    }
    // A plain caption beside a description and a file name that are not, and the shortcuts
    // after it; a word in a caption ranks before the same word elsewhere.
    const store::NameCollator names("");
    finder::FinderIndex index({{"Tools", "Plain", "Für Ärzte", "/x/Ünïcode.txt", 2},
                               {"Tools", "Next", "", "/x/next", 2},
                               {"Tools", "Zahnärzte", "", "/x/plain", 2}},
                              names);
    const std::vector<std::pair<const char*, std::vector<std::size_t>>> found = {
        {"arzte", {2, 0}}, {"unicode", {0}}, {"next", {1}}, {"plain", {0, 2}}, {"zahn", {2}}};
    for (const auto& [text, expected] : found) {
        EXPECT_EQ(index.find(QString::fromUtf8(text), 5).best, expected) << text;
    }
}
