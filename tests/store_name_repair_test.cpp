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
