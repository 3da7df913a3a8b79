// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/Backup.h"
#include "store/Connection.h"

#include <cstddef>
#include <filesystem>
#include <string>

namespace common {

// How many rolling backups the backups folder keeps.
constexpr std::size_t kBackupsKept = 7;

// The backups folder beside the catalogue file.
inline std::filesystem::path backupFolderOf(const std::string& catalogue) {
    return std::filesystem::path(catalogue).parent_path() / "backups";
}

inline std::filesystem::path backupFolderOf(const store::Connection& db) {
    return backupFolderOf(db.path());
}

// Backs the catalogue up before a change of many rows, so that the catalogue as it was can
// always be restored. Throws StoreError when no backup could be made.
store::BackupResult backUpBeforeChange(store::Connection& db);

} // namespace common
