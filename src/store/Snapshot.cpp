// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/Snapshot.h"

#include "store/FileCopy.h"
#include "store/StoreError.h"

#include <sqlite3.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <system_error>

namespace fs = std::filesystem;

namespace store {

Snapshot::Snapshot(const fs::path& file) {
    std::error_code error;
    std::string pattern = (fs::temp_directory_path(error) / "vantory-snapshot-XXXXXX").string();
    if (error || ::mkdtemp(pattern.data()) == nullptr) {
        throw StoreError("no private folder could be made to read it in: " +
                         std::string(std::strerror(errno)));
    }
    folder_ = pattern;
    copy_ = folder_ / "catalogue.mdb";
    std::string why = copyFile(file, copy_);
    const fs::path log = file.string() + "-wal";
    if (why.empty() && fs::exists(fs::symlink_status(log, error))) {
        why = copyFile(log, copy_.string() + "-wal");
    }
    if (why.empty() &&
        sqlite3_open_v2(copy_.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        why = db_ ? sqlite3_errmsg(db_) : "it cannot be opened";
    }
    if (!why.empty()) {
        sqlite3_close(db_);
        db_ = nullptr;
        fs::remove_all(folder_, error);
        throw StoreError(why);
    }
    sqlite3_busy_timeout(db_, 2000);
}

Snapshot::~Snapshot() {
    sqlite3_close(db_);
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
}

} // namespace store
