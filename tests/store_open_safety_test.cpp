// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the catalogue safely: a session that only reads leaves the file untouched, and a
// damaged file opens read-only instead of being changed further.

#include "store/Codes.h"
#include "store/Connection.h"
#include "store/Statements.h"
#include "store/StoreError.h"
#include "store/Transaction.h"

#include "fakes/StoreFiles.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace store;
using namespace fakes;

namespace {

constexpr std::size_t kPageSize = 4096;

std::set<std::string> filesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

int rootPage(const std::string& path, const std::string& table) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, "select rootpage from sqlite_schema where name=?", -1, &stmt, nullptr);
    sqlite3_bind_text(stmt, 1, table.c_str(), -1, SQLITE_TRANSIENT);
    const int page = sqlite3_step(stmt) == SQLITE_ROW ? sqlite3_column_int(stmt, 0) : 0;
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return page;
}

// Everything a session that only reads does: every read of the program, for every row.
void readEverything(Connection& db) {
    std::vector<std::string> groups;
    for (ResultSet rs = selectAllGroups(db); !rs.eof(); rs.moveNext()) {
        groups.push_back(readGroupRow(rs).groupcaption);
    }
    for (const auto& group : groups) {
        selectGroup(db, group);
        for (ResultSet rs = selectItemsOfGroup(db, group); !rs.eof(); rs.moveNext()) {
            const ItemRow row = readItemRow(rs);
            selectItemsByCaption(db, row.itemcaption);
            selectItemInGroup(db, row.itemcaption, group);
        }
    }
}

} // namespace

TEST(StoreChurn, ASessionThatOnlyReadsLeavesTheFileUntouched) {
    TempFolder folder;
    const std::string path =
        copyOf(std::string(VANTORY_BUILD_DIR) + "/dbApplications.mdb", folder, "dbData.mdb");
    // A time in the past, so that any rewrite shows even within the file system's clock step.
    const auto past = fs::last_write_time(path) - std::chrono::hours(30);
    fs::last_write_time(path, past);
    const std::string before = bytesOf(path);

    for (int session = 0; session < 2; ++session) {
        Connection db;
        db.open(path);
        ASSERT_FALSE(db.isDamaged());
        readEverything(db);
        db.query("PRAGMA journal_mode");
        db.close();
        EXPECT_EQ(bytesOf(path), before) << "session " << session;
        EXPECT_EQ(fs::last_write_time(path), past) << "session " << session;
        EXPECT_EQ(filesIn(folder.path()), std::set<std::string>{"dbData.mdb"});
    }

    // The check can see a change: a session that writes moves the time and the bytes.
    {
        Connection db;
        db.open(path);
        insertGroup(db, {"New", "", "", 0});
    }
    EXPECT_NE(bytesOf(path), before);
    EXPECT_NE(fs::last_write_time(path), past);
}

TEST(StoreChurn, FirstChangeOfATransactionSwitchesToTheLogAndCloseSwitchesBack) {
    TempFolder folder;
    const std::string path = copyOf(blankTemplate(), folder, "dbData.mdb");
    {
        Connection db;
        db.open(path);
        Transaction tx(db);
        insertGroup(db, {"Games", "", "", 0});
        tx.commit();
        auto mode = db.query("PRAGMA journal_mode");
        EXPECT_EQ(mode.field("journal_mode").text(), "wal");
    }
    EXPECT_EQ(bytesOf(path)[18], 1) << "a plain file again after close";

    // A file left in log mode by a Vantory that never got to close is made plain again, and
    // what its log held is kept.
    sqlite3* plain = nullptr;
    ASSERT_EQ(sqlite3_open_v2(path.c_str(), &plain, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(plain,
                           "PRAGMA journal_mode=WAL; insert into tblGroups (groupcaption) "
                           "values ('Logged')",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(plain);
    ASSERT_EQ(bytesOf(path)[18], 2);
    {
        Connection db;
        db.open(path);
        EXPECT_FALSE(selectGroup(db, "logged").eof());
    }
    EXPECT_EQ(bytesOf(path)[18], 1);
    EXPECT_EQ(filesIn(folder.path()), std::set<std::string>{"dbData.mdb"});
}

TEST(StoreDamage, TruncatedCatalogueOpensReadOnlyAndStaysAsItWas) {
    TempFolder folder;
    const std::string sound = filledCatalogue(folder, "sound.mdb", 1200);
    const std::string whole = bytesOf(sound);
    ASSERT_GT(whole.size(), 20 * kPageSize);
    const std::string path = folder.file("dbData.mdb");
    writeBytes(path, whole.substr(0, whole.size() / 2 + 1000)); // cut mid-page
    const std::string cut = bytesOf(path);

    Connection db;
    ASSERT_NO_THROW(db.open(path));
    EXPECT_TRUE(db.isDamaged());
    EXPECT_TRUE(db.isReadOnly());
    EXPECT_NE(db.damageReport().find("The catalogue " + path + " is damaged."), std::string::npos)
        << db.damageReport();

    // What is left reads; nothing can be written.
    std::vector<std::string> groups;
    for (ResultSet rs = selectAllGroups(db); !rs.eof(); rs.moveNext()) {
        groups.push_back(rs.field("groupcaption").text());
    }
    EXPECT_EQ(groups, (std::vector<std::string>{"Games", "Office", "Tools"}));
    const std::string refused = "The catalogue is damaged, so the change was not saved.";
    EXPECT_EQ(errorOf([&] { insertGroup(db, {"New", "", "", 0}); }), refused);
    EXPECT_EQ(errorOf([&] { deleteItemsOfGroup(db, "Games"); }), refused);
    EXPECT_EQ(errorOf([&] { Transaction tx(db); }), refused);
    db.close();

    EXPECT_EQ(bytesOf(path), cut);
    EXPECT_EQ(filesIn(folder.path()), (std::set<std::string>{"dbData.mdb", "sound.mdb"}));

    // The sound original opens as sound.
    Connection other;
    other.open(sound);
    EXPECT_FALSE(other.isDamaged());
    EXPECT_FALSE(other.isReadOnly());
    EXPECT_EQ(other.damageReport(), "");
}

TEST(StoreDamage, PageOfGarbageIsFoundAtOpen) {
    TempFolder folder;
    const std::string path = filledCatalogue(folder, "dbData.mdb", 1200);
    std::string bytes = bytesOf(path);
    const std::size_t pages = bytes.size() / kPageSize;
    ASSERT_GT(pages, 20u);
    // A page in the middle of the shortcuts' table, neither the header nor a table's root.
    const std::size_t page = pages / 2;
    ASSERT_NE(static_cast<int>(page) + 1, rootPage(path, "tblItems"));
    std::mt19937 random(7);
    for (std::size_t i = 0; i < kPageSize; ++i) {
        bytes[page * kPageSize + i] = static_cast<char>(random());
    }
    writeBytes(path, bytes);

    Connection db;
    ASSERT_NO_THROW(db.open(path));
    EXPECT_TRUE(db.isDamaged());
    EXPECT_TRUE(db.isReadOnly());
    EXPECT_NE(db.damageReport().find("The first problem found: "), std::string::npos)
        << db.damageReport();
    EXPECT_EQ(selectAllGroups(db).rowCount(), 3u);
    EXPECT_EQ(errorOf([&] {
                  updateGroup(db, "Games", {"Spiele", "", "", 0});
              }),
              "The catalogue is damaged, so the change was not saved.");
    db.close();
    EXPECT_EQ(bytesOf(path), bytes);
    EXPECT_EQ(filesIn(folder.path()), std::set<std::string>{"dbData.mdb"});
}

TEST(StoreDamage, CatalogueWhoseTablesCannotBeReadIsRefused) {
    TempFolder folder;
    const std::string path = filledCatalogue(folder, "dbData.mdb", 30);
    std::string bytes = bytesOf(path);
    // Page 1 past the 100-byte file header holds the list of tables.
    for (std::size_t i = 100; i < kPageSize; ++i) {
        bytes[i] = static_cast<char>(0xA5);
    }
    writeBytes(path, bytes);

    Connection db;
    try {
        db.open(path);
        ADD_FAILURE() << "opened a catalogue whose tables are lost";
    } catch (const DamagedCatalogueError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("The catalogue " + path +
                                                  " is damaged and cannot "
                                                  "be read: ",
                                              0),
                  0u)
            << e.what();
    }
    EXPECT_FALSE(db.isOpen());
    EXPECT_EQ(bytesOf(path), bytes);
    // Nothing was kept open or locked: the same refusal comes again, not "in use".
    EXPECT_THROW(db.open(path), DamagedCatalogueError);
}
