// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/Restore.h"

#include "store/Backup.h"
#include "store/CatalogueCheck.h"
#include "store/CatalogueLock.h"
#include "store/StoreError.h"

#include <sqlite3.h>

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

// Copies the catalogue and its log, byte for byte, into `kept`.
void keepAsItIs(const fs::path& catalogue, const fs::path& kept) {
    std::error_code error;
    fs::create_directories(kept.parent_path(), error);
    for (const char* suffix : {"", "-wal"}) {
        const fs::path from = catalogue.string() + suffix;
        const fs::path to = kept.string() + suffix;
        if (holdsBytes(from) && !fs::copy_file(from, to, error)) {
            fs::remove(kept, error);
            throw StoreError("The catalogue could not be kept as " + to.string() + ": " +
                             error.message() + ". Nothing was restored.");
        }
    }
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
    const std::string problem = checkBackup(backup);
    if (!problem.empty()) {
        throw StoreError("The backup " + backup.string() +
                         " cannot be restored: it is damaged or not a Vantory catalogue (" +
                         problem + "). The catalogue is unchanged.");
    }
    std::error_code error;
    if (fs::equivalent(backup, catalogue, error)) {
        throw StoreError("The backup " + backup.string() + " is the catalogue itself.");
    }
    fs::create_directories(fs::path(catalogue).parent_path(), error);
    const HeldLock lock{lockCatalogue(catalogue, true)};

    RestoreResult result;
    if (holdsBytes(catalogue)) {
        const std::string name = fs::path(catalogue).stem().string() + "-before-restore-" +
                                 backupStamp(now) + fs::path(catalogue).extension().string();
        result.keptAs = backupsFolder / name;
        keepAsItIs(catalogue, result.keptAs);
    }

    sqlite3* source = nullptr;
    int rc = sqlite3_open_v2(immutableUri(backup.string()).c_str(), &source,
                             SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr);
    std::string reason;
    if (rc == SQLITE_OK) {
        rc = writeInto(catalogue, source, reason);
        if ((rc & 0xFF) == SQLITE_CORRUPT || (rc & 0xFF) == SQLITE_NOTADB) {
            // The catalogue is too damaged to take pages (it is kept above): it starts empty,
            // without its log, and takes the backup whole.
            fs::resize_file(catalogue, 0, error);
            fs::remove(catalogue + "-wal", error);
            fs::remove(catalogue + "-shm", error);
            rc = writeInto(catalogue, source, reason);
        }
    } else {
        reason = source ? sqlite3_errmsg(source) : sqlite3_errstr(rc);
    }
    sqlite3_close(source);
    if (rc != SQLITE_OK) {
        throw StoreError("The backup " + backup.string() + " could not be written into " +
                         catalogue + ": " + reason + "." +
                         (result.keptAs.empty() ? std::string()
                                                : " The catalogue as it was is kept as " +
                                                      result.keptAs.string() + "."));
    }
    return result;
}

} // namespace store
