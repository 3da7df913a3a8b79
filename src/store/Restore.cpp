// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/Restore.h"

#include "store/Backup.h"
#include "store/CatalogueCheck.h"
#include "store/CatalogueLock.h"
#include "store/CatalogueSchema.h"
#include "store/KeptCopy.h"
#include "store/Snapshot.h"
#include "store/StoreError.h"

#include <sqlite3.h>

#include <memory>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace store {

namespace {

// Closes the lock's descriptor at the end, after every SQLite handle on the file has closed
// (closing it drops this process's fcntl locks on the file, SQLite's included).
struct HeldLock {
    int fd;
    ~HeldLock() { ::close(fd); }
};

bool holdsBytes(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error) && fs::file_size(path, error) > 0 && !error;
}

struct Closer {
    sqlite3* db = nullptr;
    ~Closer() { sqlite3_close(db); }
};

// Makes a catalogue at `fresh` with Vantory's own two tables and copies in only the rows of the
// checked snapshot's: whatever else the backup carries (triggers, views, other tables) is left
// behind and can never run. Returns "" or what went wrong.
std::string makeFreshCatalogue(const fs::path& fresh, const Snapshot& snapshot, Closer& out) {
    if (sqlite3_open_v2(fresh.c_str(), &out.db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                        nullptr) != SQLITE_OK) {
        return out.db ? sqlite3_errmsg(out.db) : "it cannot be made";
    }
    sqlite3_stmt* attach = nullptr;
    sqlite3_prepare_v2(out.db, "ATTACH ? AS backup", -1, &attach, nullptr);
    sqlite3_bind_text(attach, 1, snapshot.path().c_str(), -1, SQLITE_TRANSIENT);
    const int attached = sqlite3_step(attach);
    sqlite3_finalize(attach);
    if (attached != SQLITE_DONE) {
        return sqlite3_errmsg(out.db);
    }
    const std::string sql =
        std::string("BEGIN;") + catalogueSchemaSql() +
        ";INSERT INTO main.tblGroups (groupcaption, groupdescription, backgroundimage, "
        "grouptextcolor) SELECT ifnull(groupcaption, ''), ifnull(groupdescription, ''), "
        "ifnull(backgroundimage, ''), ifnull(grouptextcolor, 0) FROM backup.tblGroups;"
        "INSERT INTO main.tblItems (groupcaption, itemcaption, itemdescription, itempath, "
        "itemparameter, itemtype, itemtextcolor, openas) SELECT ifnull(groupcaption, ''), "
        "ifnull(itemcaption, ''), ifnull(itemdescription, ''), ifnull(itempath, ''), "
        "ifnull(itemparameter, ''), ifnull(itemtype, 0), ifnull(itemtextcolor, 0), "
        "ifnull(openas, 0) FROM backup.tblItems;"
        "COMMIT; DETACH backup;";
    if (sqlite3_exec(out.db, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) {
        return sqlite3_errmsg(out.db);
    }
    return "";
}

// How many rows both tables of db hold, or -1 when they cannot be counted.
long long rowCount(sqlite3* db) {
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db,
                       "select (select count(*) from tblGroups) + (select count(*) from tblItems)",
                       -1, &stmt, nullptr);
    const long long count = sqlite3_step(stmt) == SQLITE_ROW ? sqlite3_column_int64(stmt, 0) : -1;
    sqlite3_finalize(stmt);
    return count;
}

// What is wrong with the catalogue as it now lies on the disk, compared with what was written
// into it: "" when it is sound and holds every row.
std::string checkWritten(const fs::path& catalogue, long long rows) {
    Closer written;
    if (sqlite3_open_v2(catalogue.c_str(), &written.db, SQLITE_OPEN_READONLY, nullptr) !=
        SQLITE_OK) {
        return written.db ? sqlite3_errmsg(written.db) : "it cannot be opened";
    }
    std::string problem = checkCatalogue(written.db);
    if (problem.empty() && rowCount(written.db) != rows) {
        problem = "rows are missing";
    }
    return problem;
}

// Writes the backup into the catalogue; the SQLite result code.
int writeInto(const fs::path& catalogue, sqlite3* source, std::string& reason) {
    sqlite3* target = nullptr;
    int rc = sqlite3_open_v2(catalogue.c_str(), &target, SQLITE_OPEN_READWRITE, nullptr);
    if (rc == SQLITE_OK) {
        sqlite3_busy_timeout(target, 2000);
        // A log left by a killed session is taken into the file first, where possible: the
        // copy then runs on a plain file of any page size. Failing that, the copy supersedes
        // it in the log.
        sqlite3_exec(target, "PRAGMA journal_mode=DELETE", nullptr, nullptr, nullptr);
        rc = copyPages(target, source);
    }
    if (rc != SQLITE_OK) {
        reason = target ? sqlite3_errmsg(target) : sqlite3_errstr(rc);
    }
    if (sqlite3_close(target) != SQLITE_OK && rc == SQLITE_OK) {
        rc = SQLITE_ERROR;
        reason = "the catalogue could not be closed";
    }
    return rc;
}

} // namespace

RestoreResult restoreBackup(const std::string& catalogue, const fs::path& backup,
                            const fs::path& backupsFolder,
                            std::chrono::system_clock::time_point now) {
    // Everything is read from one private copy of the backup and its log, taken once: a backup
    // that is still being written cannot pass the check and then be read differently.
    std::unique_ptr<Snapshot> snapshot;
    std::string problem;
    try {
        snapshot = std::make_unique<Snapshot>(backup);
        problem = checkCatalogue(snapshot->handle());
    } catch (const StoreError& e) {
        problem = e.what();
    }
    if (!problem.empty()) {
        throw StoreError(Message{
            STORE_TEXT("Vantory", "The backup %1 cannot be restored: it is damaged or not a "
                                  "Vantory catalogue (%2). The catalogue is unchanged."),
            {backup.string(), problem}});
    }
    std::error_code error;
    if (fs::equivalent(backup, catalogue, error)) {
        throw StoreError(Message{STORE_TEXT("Vantory", "The backup %1 is the catalogue itself."),
                                 {backup.string()}});
    }
    Closer fresh;
    problem = makeFreshCatalogue(snapshot->folder() / "restored.mdb", *snapshot, fresh);
    if (!problem.empty()) {
        throw StoreError(
            Message{STORE_TEXT("Vantory", "The backup %1 cannot be restored: %2. The catalogue is "
                                          "unchanged."),
                    {backup.string(), problem}});
    }
    const long long rows = rowCount(fresh.db);

    fs::create_directories(fs::path(catalogue).parent_path(), error);
    const HeldLock lock{lockCatalogue(catalogue, true)};

    RestoreResult result;
    if (holdsBytes(catalogue)) {
        const fs::path path(catalogue);
        result.keptAs = keepCopy(path, backupsFolder,
                                 path.stem().string() + kKeptCopyInfix + "-" + backupStamp(now),
                                 path.extension().string());
    }

    std::string reason;
    int rc = writeInto(catalogue, fresh.db, reason);
    if ((rc & 0xFF) == SQLITE_CORRUPT || (rc & 0xFF) == SQLITE_NOTADB) {
        // The catalogue is too damaged to take pages (it is kept above): it starts empty,
        // without its log, and takes the backup whole.
        fs::resize_file(catalogue, 0, error);
        fs::remove(catalogue + "-wal", error);
        fs::remove(catalogue + "-shm", error);
        rc = writeInto(catalogue, fresh.db, reason);
    }
    if (rc != SQLITE_OK && result.keptAs.empty()) {
        throw StoreError(
            Message{STORE_TEXT("Vantory", "The backup %1 could not be written into %2: %3."),
                    {backup.string(), catalogue, reason}});
    }
    if (rc != SQLITE_OK) {
        throw StoreError(
            Message{STORE_TEXT("Vantory", "The backup %1 could not be written into %2: %3. The "
                                          "catalogue as it was is kept as %4."),
                    {backup.string(), catalogue, reason, result.keptAs.string()}});
    }
    problem = checkWritten(catalogue, rows);
    if (!problem.empty()) {
        // What lies on the disk is not the backup: the catalogue as it was goes back in place.
        const std::string putBack =
            result.keptAs.empty() ? std::string() : putCopyBack(result.keptAs, catalogue);
        if (result.keptAs.empty()) {
            throw StoreError(
                Message{STORE_TEXT("Vantory", "The backup %1 was not written into %2 whole (%3)."),
                        {backup.string(), catalogue, problem}});
        }
        if (putBack.empty()) {
            throw StoreError(Message{
                STORE_TEXT("Vantory", "The backup %1 was not written into %2 whole (%3). The "
                                      "catalogue as it was is back in place, and also kept as %4."),
                {backup.string(), catalogue, problem, result.keptAs.string()}});
        }
        throw StoreError(Message{
            STORE_TEXT("Vantory", "The backup %1 was not written into %2 whole (%3). The catalogue "
                                  "as it was could not be put back (%4): it is kept as %5."),
            {backup.string(), catalogue, problem, putBack, result.keptAs.string()}});
    }
    return result;
}

} // namespace store
