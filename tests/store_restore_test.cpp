// SPDX-License-Identifier: GPL-3.0-or-later
// Restoring a backup after a crash, and a damaged catalogue with a killed session's log, over
// real files.

#include "store/Backup.h"
#include "store/CatalogueLock.h"
#include "store/Connection.h"
#include "store/Restore.h"
#include "store/Statements.h"

#include "fakes/StoreFiles.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <functional>
#include <random>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace store;
using namespace fakes;

namespace {

// A session killed after writing `items` shortcuts: they stay in the write-ahead log.
void killedSession(const std::string& path, int items) {
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    sqlite3_db_config(db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    sqlite3_exec(db, "PRAGMA journal_mode=WAL; BEGIN", nullptr, nullptr, nullptr);
    for (int i = 0; i < items; ++i) {
        const std::string sql = "insert into tblItems (groupcaption, itemcaption) values "
                                "('Games', 'Crashed " +
                                std::to_string(i) + "')";
        sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
    }
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

std::size_t itemCount(const std::string& path) {
    Connection db;
    db.open(path, {.collationLocale = ""});
    return db.query("select * from tblItems").rowCount();
}

} // namespace

TEST(Restore, AfterACrashGivesExactlyTheBackupsRowsAndKeepsTheCatalogueAsItWas) {
    TempFolder folder;
    const std::string path = filledCatalogue(folder, "dbData.mdb", 30);
    const fs::path backups = folder.path() / "backups";
    const auto now = std::chrono::system_clock::now();
    fs::path backup;
    {
        Connection db;
        db.open(path);
        backup = makeRollingBackup(db, backups, now).newest;
    }
    killedSession(path, 800);
    const std::string catalogueBefore = bytesOf(path);
    const std::string logBefore = bytesOf(path + "-wal");
    ASSERT_GT(logBefore.size(), 0u);

    // Refused while a Vantory holds the catalogue, and for a damaged backup: nothing changes.
    const int held = lockCatalogue(path);
    EXPECT_THROW(restoreBackup(path, backup, backups, now), CatalogueInUse);
    ::close(held);
    const std::string junk = folder.file("junk.mdb");
    writeBytes(junk, std::string(8192, 'x'));
    EXPECT_NE(errorOf([&] { restoreBackup(path, junk, backups, now); }).find("cannot be restored"),
              std::string::npos);
    EXPECT_TRUE(bytesOf(path) == catalogueBefore);
    EXPECT_TRUE(bytesOf(path + "-wal") == logBefore);
    EXPECT_EQ(listBackups(backups, "dbData.mdb", now), std::vector<fs::path>{backup});

    const RestoreResult result = restoreBackup(path, backup, backups, now);
    EXPECT_FALSE(fs::exists(path + "-wal")) << "no stale log is left to apply";
    EXPECT_EQ(itemCount(path), 30u);
    EXPECT_EQ(itemCount(path), 30u) << "a second open finds the same rows";
    EXPECT_TRUE(bytesOf(result.keptAs.string()) == catalogueBefore);
    EXPECT_TRUE(bytesOf(result.keptAs.string() + "-wal") == logBefore);
    EXPECT_EQ(listBackups(backups, "dbData.mdb", now), std::vector<fs::path>{backup})
        << "the kept catalogue is not one of the rolling backups";
}

TEST(Restore, ADamagedCatalogueAndItsLogStayByteIdenticalThroughASession) {
    for (const bool inBackground : {false, true}) {
        TempFolder folder;
        const std::string path = filledCatalogue(folder, "dbData.mdb", 1200);
        killedSession(path, 200);
        std::string bytes = bytesOf(path);
        std::mt19937 random(3);
        for (std::size_t i = 0; i < 4096; ++i) {
            bytes[(bytes.size() / 4096 / 2) * 4096 + i] = static_cast<char>(random());
        }
        writeBytes(path, bytes);
        const std::string log = bytesOf(path + "-wal");
        ASSERT_GT(log.size(), 0u);

        Connection db;
        db.open(path, {.checkPagesInBackground = inBackground});
        selectAllGroups(db);
        db.settlePageCheck();
        EXPECT_TRUE(db.isDamaged());
        EXPECT_EQ(selectAllGroups(db).rowCount(), 3u);
        db.close();
        EXPECT_TRUE(bytesOf(path) == bytes) << "checked in the background: " << inBackground;
        EXPECT_TRUE(bytesOf(path + "-wal") == log) << "checked in the background: " << inBackground;
    }
}

namespace {

void exec(const std::string& path, const char* sql) {
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    ASSERT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
}

} // namespace

// What a backup carries besides its rows never comes along, its log's rows always do, and a
// backup that cannot give its rows leaves the catalogue as it was.
TEST(Restore, TakesOnlyTheBackupsRowsWithItsLogAndNothingElse) {
    struct Row {
        const char* what;
        std::function<void(const std::string& backup)> prepare;
        std::size_t items;   // shortcuts once restored (the catalogue has 5 when refused)
        std::string refused; // part of the message when the backup is refused
    };
    const std::vector<Row> rows{
        {"a kept copy with its log", [](const std::string& b) { killedSession(b, 50); }, 81, ""},
        {"a trigger that empties the categories",
         [](const std::string& b) {
             exec(b, "create trigger wipe after insert on tblItems begin delete from tblGroups; "
                     "end; create view extra as select 1;");
         },
         31, ""},
        {"a view in the place of a table",
         [](const std::string& b) {
             exec(b, "drop table tblGroups; create view tblGroups as select 'x' as "
                     "groupcaption, '' as groupdescription, '' as backgroundimage, 0 as "
                     "grouptextcolor");
         },
         5, "tblGroups is a view, not an ordinary table"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        TempFolder folder;
        const std::string path = filledCatalogue(folder, "dbData.mdb", 5);
        const std::string backup = filledCatalogue(folder, "copy.mdb", 30);
        row.prepare(backup);
        const std::string backupBytes = bytesOf(backup);
        const auto now = std::chrono::system_clock::now();
        if (!row.refused.empty()) {
            const std::string before = bytesOf(path);
            EXPECT_NE(errorOf([&] {
                          restoreBackup(path, backup, folder.path() / "backups", now);
                      }).find(row.refused),
                      std::string::npos);
            EXPECT_TRUE(bytesOf(path) == before);
            continue;
        }
        restoreBackup(path, backup, folder.path() / "backups", now);
        EXPECT_TRUE(bytesOf(backup) == backupBytes) << "the backup is only read";
        Connection db;
        db.open(path, {.collationLocale = ""});
        EXPECT_EQ(db.query("select * from sqlite_schema where type <> 'table'").rowCount(), 0u);
        // A new shortcut, as a drop adds one: no trigger came along to fire.
        insertItem(db, {"Games", "New", "", "/usr/bin/new", "", kind::Application, 0, 0});
        EXPECT_EQ(db.query("select * from tblItems").rowCount(), row.items);
        EXPECT_EQ(selectAllGroups(db).rowCount(), 3u);
    }
}

TEST(Restore, TwoRestoresInOneSecondKeepBothCatalogues) {
    TempFolder folder;
    const std::string path = filledCatalogue(folder, "dbData.mdb", 5);
    const std::string first = filledCatalogue(folder, "first.mdb", 10);
    const std::string second = filledCatalogue(folder, "second.mdb", 20);
    const fs::path backups = folder.path() / "backups";
    const auto now = std::chrono::system_clock::now();
    const std::string original = bytesOf(path);

    const RestoreResult one = restoreBackup(path, first, backups, now);
    const std::string afterFirst = bytesOf(path);
    const RestoreResult two = restoreBackup(path, second, backups, now);
    EXPECT_NE(one.keptAs, two.keptAs);
    EXPECT_TRUE(bytesOf(one.keptAs.string()) == original) << "the first copy is never overwritten";
    EXPECT_TRUE(bytesOf(two.keptAs.string()) == afterFirst);
    EXPECT_EQ(itemCount(path), 20u);
    // Both are offered, the later first, when the catalogue cannot be read.
    EXPECT_EQ(newestSoundBackup(backups, "dbData.mdb", now, true), two.keptAs);
    EXPECT_EQ(newestSoundBackup(backups, "dbData.mdb", now), fs::path()) << "no rolling backup";
}
