// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakes/Form1Fixture.h"
#include "finder/Finder.h"
#include "finder/FinderCatalogue.h"
#include "finder/FinderIndex.h"
#include "platform/DesktopLaunchCounts.h"
#include "store/Statements.h"

#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

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
        for (int i = 0; i < form.finder()->results()->count(); ++i) {
            rows << form.finder()->results()->item(i)->text();
        }
        return rows;
    }
};

TEST_F(FinderTest, TypingInTheListFindsInEveryCategoryAndEnterLaunches) {
    typeInto(form.ListView1(), "calc");
    EXPECT_TRUE(form.finder()->isVisible());
    EXPECT_EQ(field()->text(), "calc");
    EXPECT_EQ(results(), QStringList{"Calculator"});
    EXPECT_EQ(form.finder()->results()->item(0)->data(Qt::AccessibleTextRole), "Calculator, Tools");
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
    EXPECT_EQ(results(), QStringList{"No shortcut matches."});
    QTest::keyClick(field(), Qt::Key_Return);
    EXPECT_TRUE(platform.shell.requests.empty());
    EXPECT_TRUE(form.finder()->isVisible());
}

TEST_F(FinderTest, EscapeClosesAndGivesTheFocusBack) {
    form.TreeView1()->setFocus();
    QTest::keyClick(form.TreeView1(), Qt::Key_F, Qt::ControlModifier);
    form.ListView1()->setFocus(); // as a window manager may move it while the popup shows
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
    EXPECT_EQ(results(), QStringList{"No shortcut matches."});
    QTest::keyClick(field(), Qt::Key_Escape);
    store::insertItem(db(), item("Web", "Mail", 4, "me@example.org"));
    typeInto(form.ListView1(), "mail");
    EXPECT_EQ(results(), QStringList{"Mail"});
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
        {"xyz", {}, {}},
    };
    for (const Ranking& row : table) {
        index.setLaunchCounts(row.launches);
        const finder::FinderIndex::Found found = index.find(QString::fromUtf8(row.text), 10);
        QStringList captions;
        for (std::size_t number : found.best) {
            captions << QString::fromStdString(index.shortcut(number).caption);
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

} // namespace
