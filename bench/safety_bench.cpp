// SPDX-License-Identifier: GPL-3.0-or-later
// Times the catalogue's safety checks on a catalogue of 100,000 shortcuts:
//   safety_bench [dbBlank.mdb]
// 1. Opening the catalogue, which runs SQLite's quick check, against the quick check alone.
// 2. A rolling backup: the first copy, the check that finds an unchanged catalogue, and the
//    copy after one change.

#include "BenchFiles.h"
#include "store/Backup.h"
#include "store/Codes.h"
#include "store/Connection.h"
#include "store/Statements.h"
#include "store/StoreError.h"
#include "store/Transaction.h"

#include <sqlite3.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kShortcuts = 100000;
constexpr int kRuns = 5;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void fill(const std::string& path) {
    store::Connection db;
    db.open(path);
    store::Transaction tx(db);
    for (int g = 0; g < 50; ++g) {
        store::insertGroup(db, {"Group " + std::to_string(g),
                                "Shortcuts of group " + std::to_string(g), "", 0x102030});
    }
    for (int i = 0; i < kShortcuts; ++i) {
        store::insertItem(db, {"Group " + std::to_string(i % 50), "Shortcut " + std::to_string(i),
                               "Description of shortcut " + std::to_string(i),
                               "/usr/share/applications/program" + std::to_string(i) + ".desktop",
                               " ", store::kind::ShellFile, 0x336699, store::windowstate::Normal});
    }
    tx.commit();
}

double quickCheckAlone(const std::string& path) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    const auto start = Clock::now();
    sqlite3_exec(db, "PRAGMA quick_check", nullptr, nullptr, nullptr);
    const double seconds = secondsSince(start);
    sqlite3_close(db);
    return seconds;
}

double openAndClose(const std::string& path) {
    const auto start = Clock::now();
    store::Connection db;
    db.open(path);
    const double seconds = secondsSince(start);
    if (db.isDamaged()) {
        std::fprintf(stderr, "%s\n", db.damageReport().c_str());
    }
    return seconds;
}

double best(double (*f)(const std::string&), const std::string& path) {
    double fastest = 1e9;
    for (int i = 0; i < kRuns; ++i) {
        const double s = f(path);
        fastest = s < fastest ? s : fastest;
    }
    return fastest;
}

} // namespace

int main(int argc, char** argv) {
    const std::optional<fs::path> blankFile = benchfiles::blankCatalogue(argc, argv);
    const std::optional<fs::path> work = benchfiles::newFolder("vantory_safety");
    if (!blankFile || !work) {
        return 1;
    }
    const fs::path& blank = *blankFile;
    const fs::path& folder = *work;
    const std::string path = (folder / "dbData.mdb").string();
    fs::copy_file(blank, path);

    int status = 0;
    try {
        fill(path);
        std::printf("catalogue of %d shortcuts: %.1f MB\n", kShortcuts,
                    static_cast<double>(fs::file_size(path)) / 1e6);
        std::printf("quick check alone (best of %d):             %.4f s\n", kRuns,
                    best(quickCheckAlone, path));
        std::printf("open with quick check, then close (best of %d): %.4f s\n", kRuns,
                    best(openAndClose, path));

        store::Connection db;
        db.open(path);
        const fs::path backups = folder / "Backups";
        const auto now = std::chrono::system_clock::now();
        auto start = Clock::now();
        store::BackupResult r = store::makeRollingBackup(db, backups, now);
        std::printf("first backup (copy):                         %.4f s (made: %d)\n",
                    secondsSince(start), r.made);
        start = Clock::now();
        r = store::makeRollingBackup(db, backups, now + std::chrono::hours(1));
        std::printf("unchanged and fresh (compared):             %.4f s (made: %d)\n",
                    secondsSince(start), r.made);
        store::deleteItem(db, "Group 49", "Shortcut 99999");
        start = Clock::now();
        r = store::makeRollingBackup(db, backups, now + std::chrono::hours(2));
        std::printf("after one change (compare, then copy):       %.4f s (made: %d)\n",
                    secondsSince(start), r.made);
    } catch (const store::StoreError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        status = 1;
    }
    std::error_code ignored;
    fs::remove_all(folder, ignored);
    return status;
}
