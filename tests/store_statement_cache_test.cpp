// SPDX-License-Identifier: GPL-3.0-or-later
// Statements are compiled once and used again: each use must see only its own values, a failed
// use must not spoil the next, and nothing may outlive the file it was compiled for.

#include "store/Codes.h"
#include "store/Connection.h"
#include "store/Statements.h"
#include "store/StoreError.h"
#include "store/Transaction.h"

#include "fakes/StoreFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

using namespace store;
using namespace fakes;

namespace {

std::vector<std::string> captionsOf(Connection& db, const std::string& group) {
    std::vector<std::string> captions;
    for (ResultSet rs = selectItemsOfGroup(db, group); !rs.eof(); rs.moveNext()) {
        captions.push_back(rs.field("itemcaption").text() + "|" + rs.field("itempath").text());
    }
    return captions;
}

} // namespace

TEST(StatementReuse, EachUseSeesItsOwnValuesAndAFailedUseSpoilsNothing) {
    TempFolder folder;
    const std::string path = copyOf(blankTemplate(), folder, "dbData.mdb");
    Connection db;
    db.open(path);
    insertGroup(db, {"Docs", "", "", 0});
    const std::string insert = "insert into tblItems (groupcaption,itemcaption,itemdescription,"
                               "itempath,itemparameter,itemtype,itemtextcolor,openas) values "
                               "(?,?,' ',?,' ',5,0,0)";
    db.execute(insert, {std::string("Docs"), std::string("A"), std::string("/a")});
    // Too few values: refused before it runs, and the statement is clean for the next use.
    EXPECT_NE(errorOf([&] { db.execute(insert, {std::string("Docs")}); }), "(no StoreError)");
    db.execute(insert, {std::string("Docs"), std::string("B"), std::string("/b")});
    insertDroppedItem(db, "Docs", "C", "/c", kind::ShellFile);
    insertDroppedItem(db, "Docs", "D", "/d", kind::ShellFile);
    EXPECT_EQ(captionsOf(db, "Docs"), (std::vector<std::string>{"A|/a", "B|/b", "C|/c", "D|/d"}));

    // A transaction rolled back midway, then the same statements again.
    {
        Transaction tx(db);
        insertDroppedItem(db, "Docs", "E", "/e", kind::ShellFile);
    }
    insertDroppedItem(db, "Docs", "F", "/f", kind::ShellFile);
    EXPECT_EQ(captionsOf(db, "Docs"),
              (std::vector<std::string>{"A|/a", "B|/b", "C|/c", "D|/d", "F|/f"}));
}

TEST(StatementReuse, StatementsFollowTheFileThatIsOpen) {
    TempFolder folder;
    const std::string first = copyOf(blankTemplate(), folder, "first.mdb");
    const std::string second = copyOf(blankTemplate(), folder, "second.mdb");
    Connection db;
    db.open(first);
    insertGroup(db, {"Docs", "", "", 0});
    insertDroppedItem(db, "Docs", "One", "/one", kind::ShellFile);
    db.close();
    // Closed for good: the write-ahead log is folded back and no side file stays.
    EXPECT_FALSE(std::filesystem::exists(first + "-wal"));

    db.open(second);
    insertGroup(db, {"Docs", "", "", 0});
    insertDroppedItem(db, "Docs", "Two", "/two", kind::ShellFile);
    EXPECT_EQ(captionsOf(db, "Docs"), std::vector<std::string>{"Two|/two"});
    db.close();
    EXPECT_FALSE(std::filesystem::exists(second + "-wal"));

    db.open(first);
    EXPECT_EQ(captionsOf(db, "Docs"), std::vector<std::string>{"One|/one"});
}
