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

// Puts the backup at `backup` in place of the catalogue at `catalogue`, with no Vantory running.
// The backup is read from a private copy of it and its write-ahead log (so the log's rows count)
// and checked there (checkCatalogue); only its two tables' rows are taken, into a catalogue made
// with Vantory's own tables, so that no trigger or view it carries comes along. Then the
// catalogue's lock is taken (CatalogueInUse when a Vantory holds it: nothing is changed), the
// catalogue and its log are kept as they are in `backupsFolder` under a name no file has yet
// (dbData-before-restore-YYYY-MM-DD-HHMMSS.mdb, then -2 ...; names the rolling backups never
// count or delete), and the rows are written into the catalogue through SQLite's online backup on
// a connection to it, so that a log left by a killed session cannot apply to it afterwards. The
// catalogue is checked once written; when it is not sound the kept copy goes back in its place.
// Throws StoreError, with the catalogue unchanged, when any step fails.
RestoreResult restoreBackup(const std::string& catalogue, const std::filesystem::path& backup,
                            const std::filesystem::path& backupsFolder,
                            std::chrono::system_clock::time_point now);

} // namespace store
