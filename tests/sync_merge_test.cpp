// SPDX-License-Identifier: GPL-3.0-or-later
// Two computers changing one catalogue at once end alike, with nothing lost that was not deleted.

#include "store/Statements.h"
#include "store/Transaction.h"

#include "fakes/SyncComputer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

using fakes::group;
using fakes::item;
using fakes::SyncComputer;

namespace {

using Change = std::function<void(store::Connection&)>;

struct Step {
    int computer; // 0 or 1
    Change change;
};

struct ConcurrentCase {
    const char* name;
    std::vector<Step> steps; // each change is followed by a merge on its computer
    std::vector<std::string> expected;
};

// What both computers hold before each case: one category with two shortcuts.
void fillBase(store::Connection& db) {
    store::insertGroup(db, group("Games", "fun", 255));
    store::insertItem(db, item("Games", "Chess", 2, "/usr/games/chess", "", 0, 0, "board"));
    store::insertItem(db, item("Games", "Mines", 2, "/usr/games/mines"));
}

void editDescription(store::Connection& db, const std::string& caption, const std::string& text) {
    db.execute("update tblItems set itemdescription=? where itemcaption=?", {text, caption});
}

const std::string kGames = "Games|fun||255";
const std::string kMines = "Games/Mines||/usr/games/mines||2|0|0";

std::vector<ConcurrentCase> concurrentCases() {
    return {
        {"SameFieldLaterWins",
         {{0, [](auto& db) { editDescription(db, "Chess", "from A"); }},
          {1, [](auto& db) { editDescription(db, "Chess", "from B"); }}},
         {kGames, "Games/Chess|from B|/usr/games/chess||2|0|0", kMines}},
        {"OtherFieldsBothKept",
         {{0, [](auto& db) { editDescription(db, "Chess", "from A"); }},
          {1,
           [](auto& db) {
               db.execute("update tblItems set itempath='/opt/chess', itemtextcolor=9 where "
                          "itemcaption='Chess'");
           }}},
         {kGames, "Games/Chess|from A|/opt/chess||2|9|0", kMines}},
        {"EditAfterDeleteKeepsTheShortcut",
         {{0, [](auto& db) { store::deleteItem(db, "Games", "Chess"); }},
          {1, [](auto& db) { editDescription(db, "Chess", "still here"); }}},
         {kGames, "Games/Chess|still here|/usr/games/chess||2|0|0", kMines}},
        {"DeleteAfterEditRemovesIt",
         {{0, [](auto& db) { editDescription(db, "Chess", "edited"); }},
          {1, [](auto& db) { store::deleteItem(db, "Games", "Chess"); }}},
         {kGames, kMines}},
        {"RenameAndEditMeetOnOneShortcut",
         {{0,
           [](auto& db) {
               store::updateItem(db, "Chess",
                                 item("Games", "Schach", 2, "/usr/games/chess", "", 0, 0, "board"));
           }},
          {1, [](auto& db) { editDescription(db, "Chess", "from B"); }}},
         {kGames, "Games/Schach|from B|/usr/games/chess||2|0|0", kMines}},
        {"CategoryRenameTakesShortcutsAddedElsewhere",
         {{0,
           [](auto& db) {
               store::Transaction tx(db);
               store::updateGroup(db, "Games", group("Play", "fun", 255));
               store::moveItemsToGroup(db, "Games", "Play");
               tx.commit();
           }},
          {1, [](auto& db) { store::insertDroppedItem(db, "Games", "Go", "/usr/games/go", 5); }}},
         {"Play/Chess|board|/usr/games/chess||2|0|0", "Play/Go| |/usr/games/go| |5|0|0",
          "Play/Mines||/usr/games/mines||2|0|0", "Play|fun||255"}},
        {"DeleteAndReAddGivesOneShortcut",
         {{0, [](auto& db) { store::deleteItem(db, "Games", "Chess"); }},
          {1, [](auto&) {}},
          {1,
           [](auto& db) { store::insertItem(db, item("Games", "Chess", 2, "/opt/new-chess")); }}},
         {kGames, "Games/Chess||/opt/new-chess||2|0|0", kMines}},
        {"SameNameAddedOnBothIsOneCategory",
         {{0, [](auto& db) { store::insertGroup(db, group("Office", "A")); }},
          {1, [](auto& db) { store::insertGroup(db, group("office", "B")); }}},
         {kGames, "Games/Chess|board|/usr/games/chess||2|0|0", kMines, "office|B||0"}},
        {"ShortcutAddedToADeletedCategoryKeepsIt",
         {{0,
           [](auto& db) {
               store::deleteGroup(db, "Games");
               store::deleteItemsOfGroup(db, "Games");
           }},
          {1, [](auto& db) { store::insertItem(db, item("Games", "Go", 2, "/usr/games/go")); }}},
         {kGames, "Games/Go||/usr/games/go||2|0|0"}},
    };
}

class ConcurrentEdits : public ::testing::TestWithParam<ConcurrentCase> {};

TEST_P(ConcurrentEdits, BothComputersEndAlike) {
    QTemporaryDir shared;
    SyncComputer a(shared.path(), QStringLiteral("ann"));
    SyncComputer b(shared.path(), QStringLiteral("bob"));
    fillBase(a.db());
    a.merge(1);
    b.merge(2);
    ASSERT_EQ(a.rows(), b.rows());

    int minute = 10;
    for (const Step& step : GetParam().steps) {
        SyncComputer& computer = step.computer == 0 ? a : b;
        step.change(computer.db());
        computer.merge(++minute);
    }
    a.merge(++minute);
    b.merge(++minute);
    std::vector<std::string> expected = GetParam().expected;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(a.rows(), expected);
    EXPECT_EQ(b.rows(), expected);
    // In step: a further merge changes and writes nothing on either.
    for (SyncComputer* computer : {&a, &b}) {
        const vsync::MergeReport again = computer->merge(++minute);
        EXPECT_FALSE(again.catalogueChanged);
        EXPECT_FALSE(again.folderFileWritten);
    }
}

INSTANTIATE_TEST_SUITE_P(Sync, ConcurrentEdits, ::testing::ValuesIn(concurrentCases()),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
