// SPDX-License-Identifier: GPL-3.0-or-later
// Times the catalogue store on a fresh copy of the blank catalogue:
//   store_bench [dbBlank.mdb]
// Without an argument the blank catalogue beside this program is used.
//
// 1. 1,000 shortcuts added one statement at a time, each committing on its own, as the editor
//    does.
// 2. Reading one group of 5,000 shortcuts sorted by caption.
// For comparison, (1) also runs on a plain SQLite connection with the rollback journal and full
// syncing, the settings a catalogue file has at rest.

#include "BenchFiles.h"
#include "store/Codes.h"
#include "store/Connection.h"
#include "store/Statements.h"
#include "store/StoreError.h"

#include <sqlite3.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

store::ItemRow shortcut(const std::string& group, int n) {
    return store::ItemRow{group,
                          "Shortcut " + std::to_string(n),
                          "Description of shortcut " + std::to_string(n),
                          "/usr/share/doc/file" + std::to_string(n),
                          " ",
                          store::kind::ShellFile,
                          0x336699,
                          store::windowstate::Normal};
}

double insertsWithConnection(const std::string& path, int count) {
    store::Connection db;
    db.open(path);
    const auto start = Clock::now();
    for (int i = 0; i < count; ++i) {
        store::insertItem(db, shortcut("Bench", i));
    }
    return secondsSince(start);
}

double insertsWithRollbackJournal(const std::string& path, int count) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "cannot open %s\n", path.c_str());
        std::exit(1);
    }
    sqlite3_exec(db, "PRAGMA journal_mode=DELETE; PRAGMA synchronous=FULL", nullptr, nullptr,
                 nullptr);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db,
                       "insert into tblItems (groupcaption,itemcaption,itemdescription,itempath,"
                       "itemparameter,itemtype,itemtextcolor,openas) values (?,?,?,?,?,?,?,?)",
                       -1, &stmt, nullptr);
    const auto start = Clock::now();
    for (int i = 0; i < count; ++i) {
        const store::ItemRow row = shortcut("Bench", i);
        sqlite3_bind_text(stmt, 1, row.groupcaption.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(stmt, 2, row.itemcaption.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(stmt, 3, row.itemdescription.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(stmt, 4, row.itempath.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(stmt, 5, row.itemparameter.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(stmt, 6, row.itemtype);
        sqlite3_bind_int(stmt, 7, row.itemtextcolor);
        sqlite3_bind_int(stmt, 8, row.openas);
        if (sqlite3_step(stmt) != SQLITE_DONE) {
            std::fprintf(stderr, "insert failed: %s\n", sqlite3_errmsg(db));
            std::exit(1);
        }
        sqlite3_reset(stmt);
    }
    const double seconds = secondsSince(start);
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return seconds;
}

void readLargeGroup(const std::string& path, int count) {
    store::Connection db;
    db.open(path);
    db.execute("begin");
    for (int i = 0; i < count; ++i) {
        store::insertItem(db, shortcut("Large", (i * 7919) % count));
    }
    db.execute("commit");

    const auto start = Clock::now();
    store::ResultSet rs = store::selectItemsOfGroup(db, "large");
    std::size_t rows = 0;
    for (; !rs.eof(); rs.moveNext()) {
        rows += store::readItemRow(rs).itemcaption.empty() ? 0 : 1;
    }
    std::printf("R2 on a group of %zu shortcuts, read and converted: %.4f s\n", rows,
                secondsSince(start));
}

} // namespace

int main(int argc, char** argv) {
    const std::optional<fs::path> blankFile = benchfiles::blankCatalogue(argc, argv);
    const std::optional<fs::path> work = benchfiles::newFolder("vantory_bench");
    if (!blankFile || !work) {
        return 1;
    }
    const fs::path& blank = *blankFile;
    const fs::path& folder = *work;
    const auto fresh = [&](const char* name) {
        const fs::path copy = folder / name;
        fs::copy_file(blank, copy, fs::copy_options::overwrite_existing);
        return copy.string();
    };

    int status = 0;
    try {
        constexpr int inserts = 1000;
        std::printf("%d single-statement inserts, write-ahead log, normal sync: %.4f s\n", inserts,
                    insertsWithConnection(fresh("wal.mdb"), inserts));
        std::printf("%d single-statement inserts, rollback journal, full sync:   %.4f s\n", inserts,
                    insertsWithRollbackJournal(fresh("rollback.mdb"), inserts));
        readLargeGroup(fresh("large.mdb"), 5000);
    } catch (const store::StoreError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        status = 1;
    }
    std::error_code ignored;
    fs::remove_all(folder, ignored);
    return status;
}
