// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <filesystem>
#include <string>

namespace store {

struct RestoreResult {
    // Where the catalogue as it was before the restore is kept (empty when there was none);
    // its write-ahead log, if it had one, lies beside it with "-wal" added.
    std::filesystem::path keptAs;
};

// Puts the backup at `backup` in place of the catalogue at `catalogue`, with no Vantory running:
// checks the backup (checkBackup), takes the catalogue's lock (CatalogueInUse when a Vantory
// holds it: nothing is changed), keeps the catalogue and its log as they are in `backupsFolder`
// as dbData-before-restore-YYYY-MM-DD-HHMMSS.mdb (a name the rolling backups never count or
// delete), and then writes the backup into the catalogue through SQLite's online backup on a
// connection to the catalogue, so that a log left by a killed session cannot apply to it
// afterwards. Throws StoreError, with the catalogue unchanged, when any step before the write
// fails.
RestoreResult restoreBackup(const std::string& catalogue, const std::filesystem::path& backup,
                            const std::filesystem::path& backupsFolder,
                            std::chrono::system_clock::time_point now);

} // namespace store
