// SPDX-License-Identifier: GPL-3.0-or-later
// Rolling backups of the catalogue.

#include "store/Backup.h"
#include "store/Connection.h"
#include "store/SameContent.h"
#include "store/Statements.h"
#include "store/StoreError.h"

#include "fakes/FaultyVfs.h"
#include "fakes/StoreFiles.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <grp.h>
#include <set>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using namespace store;
using namespace fakes;
using Clock = std::chrono::system_clock;
using std::chrono::hours;
using std::chrono::minutes;

namespace {

constexpr uid_t kNobody = 65534;

// A local date and time, as the backups' names carry it.
Clock::time_point at(int year, int month, int day, int hour, int minute) {
    std::tm local{};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_isdst = -1;
    return Clock::from_time_t(std::mktime(&local));
}

std::set<std::string> filesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

std::vector<std::string> namesOf(const std::vector<fs::path>& paths) {
    std::vector<std::string> names;
    for (const auto& p : paths) {
        names.push_back(p.filename().string());
    }
    return names;
}

std::vector<std::string> groupNames(Connection& db) {
    std::vector<std::string> names;
    for (ResultSet rs = selectAllGroups(db); !rs.eof(); rs.moveNext()) {
        names.push_back(rs.field("groupcaption").text());
    }
    return names;
}

std::string integrityOf(const std::string& path) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* stmt = nullptr;
    std::string result = "(unreadable)";
    if (sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &stmt, nullptr) == SQLITE_OK &&
        sqlite3_step(stmt) == SQLITE_ROW) {
        result = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return result;
}

class BackupTest : public ::testing::Test {
  protected:
    void SetUp() override {
        path = copyOf(blankTemplate(), folder, "dbData.mdb");
        backups = folder.path() / "Backups";
        db.open(path, {.collationLocale = ""});
        insertGroup(db, {"Games", "play", "", 1});
        insertItem(db, {"Games", "Chess", "board", "/usr/games/chess", " ", 2, 0, 0});
    }

    TempFolder folder;
    std::string path;
    fs::path backups;
    Connection db;
};

} // namespace

TEST_F(BackupTest, BacksUpWhenMissingChangedOrADayOldAndKeepsSeven) {
    const auto start = at(2026, 12, 8, 7, 15);
    BackupResult r = makeRollingBackup(db, backups, start);
    EXPECT_TRUE(r.made) << "the first backup";
    EXPECT_EQ(r.newest, backups / "dbData-2026-12-08-071500.mdb");
    EXPECT_EQ(r.kept, 1u);
    EXPECT_EQ(listBackups(backups, "dbData.mdb", start).front(), r.newest);

    // The backup is a sound, plain catalogue holding the same rows.
    {
        const std::string copy = r.newest.string();
        EXPECT_EQ(integrityOf(copy), "ok");
        EXPECT_EQ(bytesOf(copy)[18], 1) << "a plain file, not in write-ahead-log mode";
        Connection restored;
        restored.open(copy);
        EXPECT_FALSE(restored.isDamaged());
        EXPECT_EQ(groupNames(restored), std::vector<std::string>{"Games"});
        EXPECT_FALSE(selectItemInGroup(restored, "chess", "games").eof());
    }

    r = makeRollingBackup(db, backups, start + hours(2));
    EXPECT_FALSE(r.made) << "unchanged and fresh";
    EXPECT_EQ(r.newest, backups / "dbData-2026-12-08-071500.mdb");

    // The catalogue is in write-ahead-log mode now; the change still reaches the backup.
    insertGroup(db, {"Office", "", "", 0});
    r = makeRollingBackup(db, backups, start + hours(3));
    EXPECT_TRUE(r.made) << "changed";
    EXPECT_EQ(r.newest, backups / "dbData-2026-12-08-101500.mdb");
    {
        Connection restored;
        restored.open(r.newest.string());
        EXPECT_EQ(groupNames(restored), (std::vector<std::string>{"Games", "Office"}));
    }
    EXPECT_EQ(bytesOf(r.newest.string())[18], 1);

    // A change that was undone leaves the same rows: no backup.
    insertGroup(db, {"Brief", "", "", 0});
    deleteGroup(db, "Brief");
    EXPECT_FALSE(makeRollingBackup(db, backups, start + hours(4)).made);
    // A changed value in one cell is a change.
    db.execute("update tblItems set openas=1");
    EXPECT_TRUE(makeRollingBackup(db, backups, start + hours(5)).made);

    EXPECT_FALSE(makeRollingBackup(db, backups, start + hours(28) + minutes(59)).made)
        << "not yet a day after the last one at 12:15";
    r = makeRollingBackup(db, backups, start + hours(29));
    EXPECT_TRUE(r.made) << "a day old";
    EXPECT_EQ(r.newest, backups / "dbData-2026-12-09-121500.mdb");

    // Files that are not this catalogue's backups are never counted or deleted.
    const std::set<std::string> strangers = {"notes.txt", "dbData-old.mdb",
                                             "other-2020-01-01-0000.mdb", "dbData-2020-01-01.mdb"};
    for (const auto& name : strangers) {
        writeBytes((backups / name).string(), "keep me");
    }
    for (int day = 2; day <= 12; ++day) {
        insertGroup(db, {"Day " + std::to_string(day), "", "", 0});
        r = makeRollingBackup(db, backups, start + hours(24 * day));
        EXPECT_TRUE(r.made);
        EXPECT_LE(r.kept, 7u);
    }
    const std::vector<std::string> expected = {
        "dbData-2026-12-20-071500.mdb", "dbData-2026-12-19-071500.mdb",
        "dbData-2026-12-18-071500.mdb", "dbData-2026-12-17-071500.mdb",
        "dbData-2026-12-16-071500.mdb", "dbData-2026-12-15-071500.mdb",
        "dbData-2026-12-14-071500.mdb"};
    const auto later = start + hours(24 * 12) + minutes(5);
    EXPECT_EQ(namesOf(listBackups(backups, "dbData.mdb", later)), expected);
    std::set<std::string> all(expected.begin(), expected.end());
    all.insert(strangers.begin(), strangers.end());
    EXPECT_EQ(filesIn(backups), all);

    // A smaller number to keep prunes at once.
    r = makeRollingBackup(db, backups, later, 3);
    EXPECT_FALSE(r.made);
    EXPECT_EQ(r.kept, 3u);
    EXPECT_EQ(namesOf(listBackups(backups, "dbData.mdb", later)),
              std::vector<std::string>(expected.begin(), expected.begin() + 3));
}

TEST_F(BackupTest, NamedToTheSecondAndFutureDatedBackupsNeverPushOutRealOnes) {
    const auto when = at(2026, 3, 1, 9, 30);
    ASSERT_TRUE(makeRollingBackup(db, backups, when).made);
    insertGroup(db, {"Later", "", "", 0});
    ASSERT_TRUE(makeRollingBackup(db, backups, when + std::chrono::seconds(20)).made);
    EXPECT_EQ(filesIn(backups), (std::set<std::string>{"dbData-2026-03-01-093000.mdb",
                                                       "dbData-2026-03-01-093020.mdb"}))
        << "two backups in one minute are both kept";

    // Made while the clock was set ahead, some in the old names to the minute; and an old real
    // backup named to the minute.
    const std::string sound = bytesOf((backups / "dbData-2026-03-01-093020.mdb").string());
    std::set<std::string> future;
    for (int i = 1; i <= 7; ++i) {
        future.insert("dbData-2099-01-0" + std::to_string(i) +
                      (i % 2 ? "-1200.mdb" : "-120000.mdb"));
        writeBytes((backups / *future.rbegin()).string(), sound);
    }
    writeBytes((backups / "dbData-2026-02-01-0800.mdb").string(), sound);
    for (int day = 1; day <= 6; ++day) {
        insertGroup(db, {"Day " + std::to_string(day), "", "", 0});
        ASSERT_TRUE(makeRollingBackup(db, backups, when + hours(24 * day)).made);
    }
    const auto now = when + hours(24 * 6);
    const auto real = namesOf(listBackups(backups, "dbData.mdb", now));
    ASSERT_EQ(real.size(), 7u);
    EXPECT_EQ(real.front(), "dbData-2026-03-07-093000.mdb");
    EXPECT_EQ(real.back(), "dbData-2026-03-01-093020.mdb")
        << "the oldest went, the minute name first";
    std::set<std::string> all(real.begin(), real.end());
    all.insert(future.begin(), future.end());
    EXPECT_EQ(filesIn(backups), all) << "future-dated backups are neither counted nor deleted";

    // The newest sound backup dated no later than now; a damaged one is passed over.
    EXPECT_EQ(newestSoundBackup(backups, "dbData.mdb", now).filename(), real[0]);
    writeBytes((backups / real[0]).string(), "not a catalogue");
    EXPECT_EQ(newestSoundBackup(backups, "dbData.mdb", now).filename(), real[1]);
}

TEST_F(BackupTest, NoBackupOfADamagedCatalogueAndNoneIntoAFile) {
    writeBytes(folder.file("in-the-way"), "a file, not a folder");
    const std::string blocked = folder.file("in-the-way");
    EXPECT_EQ(errorOf([&] {
                  makeRollingBackup(db, blocked, Clock::now());
              }).rfind("The backup folder " + blocked + " cannot be made: ", 0),
              0u);
    EXPECT_EQ(errorOf([&] {
                  makeRollingBackup(db, fs::path(blocked) / "sub", Clock::now());
              }).rfind("The backup folder " + blocked + "/sub cannot be made: ", 0),
              0u);
    EXPECT_FALSE(fs::exists(backups));
    EXPECT_TRUE(newestSoundBackup(backups).empty()) << "a missing folder holds no backup";

    db.close();
    std::string bytes = bytesOf(path);
    bytes.resize(bytes.size() + 4096 * 3, '\x5A'); // pages the file does not account for
    for (std::size_t i = 4096; i < 8192; ++i) {
        bytes[i] = '\x5A';
    }
    writeBytes(path, bytes);
    db.open(path);
    ASSERT_TRUE(db.isDamaged());
    EXPECT_EQ(errorOf([&] { makeRollingBackup(db, backups, Clock::now()); }),
              "The catalogue is damaged, so it was not backed up.");
    EXPECT_FALSE(fs::exists(backups));
}

namespace {

// Backs up into a folder that cannot be written and into a missing folder whose parent cannot
// be written; returns what went wrong, or "" when both are refused with a StoreError and leave
// nothing behind.
std::string unwritableFolderProblems(const std::string& catalogue, const fs::path& locked) {
    std::string problems;
    try {
        Connection db;
        db.open(catalogue);
        const std::string intoLocked =
            errorOf([&] { makeRollingBackup(db, locked, Clock::now()); });
        if (intoLocked.rfind("The catalogue could not be backed up to " + locked.string(), 0) !=
            0) {
            problems += "locked folder: " + intoLocked + "; ";
        }
        const fs::path below = locked / "Backups";
        const std::string intoMissing =
            errorOf([&] { makeRollingBackup(db, below, Clock::now()); });
        if (intoMissing.rfind("The backup folder " + below.string() + " cannot be made: ", 0) !=
            0) {
            problems += "missing folder: " + intoMissing + "; ";
        }
    } catch (const std::exception& e) {
        problems += std::string("open: ") + e.what() + "; ";
    }
    if (!fs::is_empty(locked)) {
        problems += "something was left in the locked folder; ";
    }
    return problems;
}

} // namespace

TEST(Backup, UnwritableFolderIsReportedAndLeftEmpty) {
    TempFolder folder;
    const std::string catalogue = copyOf(blankTemplate(), folder, "dbData.mdb");
    const fs::path locked = folder.path() / "locked";
    fs::create_directory(locked);
    const auto readable = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    const auto searchable = fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;
    fs::permissions(catalogue, readable);
    fs::permissions(folder.path(), readable | searchable);
    fs::permissions(locked, readable | searchable);

    if (::geteuid() != 0) {
        EXPECT_EQ(unwritableFolderProblems(catalogue, locked), "");
        return;
    }
    // Root writes anywhere, so the checks run in a child that has become "nobody".
    EXPECT_EXIT(
        {
            if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) {
                std::fputs("cannot become nobody\n", stderr);
                std::_Exit(2);
            }
            const std::string problems = unwritableFolderProblems(catalogue, locked);
            std::fputs(problems.c_str(), stderr);
            std::fflush(stderr);
            std::_Exit(problems.empty() ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST(Backup, AFailedCopyLeavesNoPartialFile) {
    TempFolder folder;
    const std::string path = copyOf(blankTemplate(), folder, "dbData.mdb");
    const fs::path backups = folder.path() / "Backups";
    auto& vfs = FaultyVfs::instance();
    const auto start = at(2026, 6, 1, 8, 0);

    for (const auto call : {FaultyVfs::Call::Write, FaultyVfs::Call::Sync}) {
        fs::remove_all(backups);
        Connection db;
        db.open(path, {.collationLocale = "", .vfs = FaultyVfs::name()});
        insertGroup(db, {"First", "", "", 0});
        ASSERT_TRUE(makeRollingBackup(db, backups, start).made);
        const std::string first = bytesOf((backups / "dbData-2026-06-01-080000.mdb").string());
        insertGroup(db, {"Second", "", "", 0});

        int failures = 0;
        for (int n = 1;; ++n) {
            ASSERT_LT(n, 200) << "the copy never succeeded";
            vfs.failAt(call, n, FaultyVfs::Mode::FromThenOn);
            const std::string error =
                errorOf([&] { makeRollingBackup(db, backups, start + hours(1)); });
            const bool faulted = vfs.faults() > 0;
            vfs.reset();
            if (!faulted) {
                EXPECT_EQ(error, "(no StoreError)");
                break;
            }
            ++failures;
            EXPECT_EQ(error.rfind("The catalogue could not be backed up to ", 0), 0u) << error;
            EXPECT_EQ(filesIn(backups), std::set<std::string>{"dbData-2026-06-01-080000.mdb"})
                << "after failing call " << n;
            EXPECT_EQ(bytesOf((backups / "dbData-2026-06-01-080000.mdb").string()), first);
        }
        EXPECT_GT(failures, 0) << "no call was failed";
        EXPECT_EQ(namesOf(listBackups(backups)),
                  (std::vector<std::string>{"dbData-2026-06-01-090000.mdb",
                                            "dbData-2026-06-01-080000.mdb"}));
        EXPECT_EQ(integrityOf((backups / "dbData-2026-06-01-090000.mdb").string()), "ok");
        db.close();
        fs::remove(path);
        copyOf(blankTemplate(), folder, "dbData.mdb");
    }
}

TEST_F(BackupTest, AnUnchangedCatalogueAtRestIsRecognisedByItsPages) {
    db.close();
    db.open(path); // at rest: no change yet this session, so the file holds everything
    const auto start = at(2026, 4, 1, 12, 0);
    const BackupResult first = makeRollingBackup(db, backups, start);
    ASSERT_TRUE(first.made);
    const std::string copy = first.newest.string();
    EXPECT_TRUE(samePages(path, copy));
    EXPECT_TRUE(sameContent(db.handle(), copy));
    EXPECT_FALSE(makeRollingBackup(db, backups, start + hours(1)).made);

    // Bookkeeping in the header is not content; a changed letter in a row is.
    const std::string original = bytesOf(copy);
    std::string tampered = original;
    tampered[24] = static_cast<char>(tampered[24] + 7); // the change counter
    writeBytes(copy, tampered);
    EXPECT_TRUE(samePages(path, copy));
    tampered = original;
    const auto chess = tampered.find("Chess");
    ASSERT_NE(chess, std::string::npos);
    tampered[chess + 2] = 'a';
    writeBytes(copy, tampered);
    EXPECT_FALSE(samePages(path, copy));
    EXPECT_FALSE(sameContent(db.handle(), copy));
    writeBytes(copy, original.substr(0, original.size() - 1));
    EXPECT_FALSE(samePages(path, copy));
    EXPECT_FALSE(sameContent(db.handle(), copy)) << "a backup cut short";
    EXPECT_FALSE(sameContent(db.handle(), folder.file("missing.mdb")));
    writeBytes(copy, original);

    // Another tool changing the file between sessions is a change too.
    db.close();
    sqlite3* plain = nullptr;
    ASSERT_EQ(sqlite3_open_v2(path.c_str(), &plain, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
    ASSERT_EQ(
        sqlite3_exec(plain, "update tblItems set itemtextcolor=255", nullptr, nullptr, nullptr),
        SQLITE_OK);
    sqlite3_close(plain);
    db.open(path);
    EXPECT_FALSE(sameContent(db.handle(), copy));
    EXPECT_TRUE(makeRollingBackup(db, backups, start + hours(2)).made);
}
