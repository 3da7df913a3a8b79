// SPDX-License-Identifier: GPL-3.0-or-later
// Names that only the program's comparison calls equal, and names that are not UTF-8, repaired
// at open so that nothing is mixed or lost.

#include "store/NameRepair.h"
#include "store/Statements.h"

#include "fakes/StoreFiles.h"

#include <gtest/gtest.h>

using namespace store;
using namespace fakes;

namespace {

// Each row as "group/caption", in order of entry.
std::vector<std::string> rowsOf(Connection& db, const std::string& sql) {
    std::vector<std::string> rows;
    for (ResultSet rs = db.query(sql); !rs.eof(); rs.moveNext()) {
        rows.push_back(rs.field("a").text() + "/" + rs.field("b").text());
    }
    return rows;
}

} // namespace

TEST(NameRepair, AlikeAndUnreadableNamesAreRenamedSoNothingIsMixedOrLost) {
    TempFolder folder;
    Connection db;
    db.open(copyOf(blankTemplate(), folder, "dbData.mdb"), {.collationLocale = ""});
    const std::string cafe = "Caf\xC3\xA9", cafeDecomposed = "Cafe\xCC\x81";
    for (const std::string& name : {std::string("Äpfel"), std::string("äpfel"), cafe,
                                    cafeDecomposed, std::string("Bad\xFF"), std::string("Zoo")}) {
        insertGroup(db, {name, "", "", 0});
    }
    const std::pair<std::string, std::string> items[] = {
        {"Äpfel", "a"},   {"Äpfel", "b"},        {"äpfel", "c"},
        {cafe, "x"},      {cafeDecomposed, "X"}, {"Zoo", "Tiger"},
        {"Zoo", "tiger"}, {"Zoo", "Bad\xFE"},    {"Bad\xFF", "y"}};
    for (const auto& [group, caption] : items) {
        db.execute("insert into tblItems (groupcaption, itemcaption) values (?, ?)",
                   {group, caption});
    }

    const NameRepairPlan plan = planNameRepairs(db);
    EXPECT_EQ(plan.renames.size(), 5u);
    repairNames(db, plan);

    const std::string fffd = "\xEF\xBF\xBD";
    EXPECT_EQ(rowsOf(db, "select groupcaption a, '' b from tblGroups order by rowid"),
              (std::vector<std::string>{"Äpfel/", "äpfel (2)/", cafe + "/",
                                        cafeDecomposed + " (2)/", "Bad" + fffd + "/", "Zoo/"}));
    EXPECT_EQ(rowsOf(db, "select groupcaption a, itemcaption b from tblItems order by rowid"),
              (std::vector<std::string>{"Äpfel/a", "Äpfel/b", "äpfel (2)/c", cafe + "/x",
                                        cafeDecomposed + " (2)/X", "Zoo/Tiger", "Zoo/tiger (2)",
                                        "Zoo/Bad" + fffd, "Bad" + fffd + "/y"}));
    EXPECT_TRUE(planNameRepairs(db).empty()) << "a repaired catalogue needs no more";

    // Deleting one of the two alike categories leaves the other's shortcuts.
    deleteGroup(db, "äpfel (2)");
    deleteItemsOfGroup(db, "äpfel (2)");
    EXPECT_EQ(rowsOf(db, "select groupcaption a, itemcaption b from tblItems where "
                         "groupcaption='äpfel' order by rowid"),
              (std::vector<std::string>{"Äpfel/a", "Äpfel/b"}));
}

// Thousands of alike names each take the next free number once, and a name that was not text
// is told with its bytes written out, so that before and after differ visibly.
TEST(NameRepair, ManyAlikeNamesTakeTheNextFreeNumberAndUnreadableBytesAreShown) {
    TempFolder folder;
    Connection db;
    db.open(copyOf(blankTemplate(), folder, "dbData.mdb"), {.collationLocale = ""});
    insertGroup(db, {"Zoo", "", "", 0});
    Transaction tx(db);
    for (const char* caption : {"Same (3)", "same"}) {
        insertItem(db, {"Zoo", caption, "", "", "", 5, 0, 0});
    }
    constexpr int kAlike = 10000;
    for (int i = 0; i < kAlike; ++i) {
        insertItem(db, {"Zoo", "Same", "", "", "", 5, 0, 0});
    }
    tx.commit();
    const NameRepairPlan plan = planNameRepairs(db);
    ASSERT_EQ(plan.renames.size(), static_cast<std::size_t>(kAlike));
    // "same" keeps its name, "Same (3)" was taken first: the numbers go 2, 4, 5, ...
    EXPECT_EQ(plan.renames[0].to, "Same (2)");
    EXPECT_EQ(plan.renames[1].to, "Same (4)");
    EXPECT_EQ(plan.renames.back().to, "Same (" + std::to_string(kAlike + 2) + ")");

    const std::vector<std::pair<std::string, std::string>> shown{
        {"A\xED\xA0\x80"
         "B",
         "A\\xED\\xA0\\x80B"},
        {"Bad\xFF", "Bad\\xFF"},
        {"Caf\xC3\xA9", "Caf\xC3\xA9"},
        {"\xC3", "\\xC3"},
    };
    for (const auto& [stored, told] : shown) {
        EXPECT_EQ(shownName(stored), told);
    }
}
