// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/Backup.h"
#include "store/Connection.h"

#include <cstddef>
#include <filesystem>

namespace common {

// How many rolling backups the backups folder keeps.
constexpr std::size_t kBackupsKept = 7;

// The backups folder beside the catalogue.
inline std::filesystem::path backupFolderOf(const store::Connection& db) {
    return std::filesystem::path(db.path()).parent_path() / "backups";
}

// Backs the catalogue up before a change of many rows, so that the catalogue as it was can
// always be restored. Throws StoreError when no backup could be made.
store::BackupResult backUpBeforeChange(store::Connection& db);

} // namespace common
