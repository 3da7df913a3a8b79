#pragma once

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace store {

class Connection;

// Rolling backups of the catalogue. Each backup is a complete SQLite catalogue named after the
// catalogue with the local date and time it was made: dbData.mdb gives
// dbData-2026-12-08-0715.mdb. Only files named so are ever counted or deleted.

struct BackupResult {
    bool made = false;            // a new backup was written by this call
    std::filesystem::path newest; // the newest backup in the folder afterwards
    std::size_t kept = 0;         // how many backups the folder holds afterwards
};

// Backs up db's catalogue into folder (made when missing) when the folder holds no backup yet,
// when the newest is a day old or more, or when the newest holds other rows than the catalogue;
// then deletes the oldest backups beyond `keep`. The copy is taken with SQLite's online backup,
// written under a temporary name and renamed only once complete, so a failed copy leaves no
// partial backup behind. Throws StoreError when the folder cannot be made or written, when the
// copy fails, and for a damaged catalogue (its copy would push good backups out).
BackupResult makeRollingBackup(Connection& db, const std::filesystem::path& folder,
                               std::chrono::system_clock::time_point now, std::size_t keep = 7);

// The backups in folder of the catalogue named catalogueFileName, newest first.
std::vector<std::filesystem::path> listBackups(const std::filesystem::path& folder,
                                               const std::string& catalogueFileName = "dbData.mdb");

// The newest backup in folder of the catalogue named catalogueFileName; empty when there is none.
std::filesystem::path newestBackup(const std::filesystem::path& folder,
                                   const std::string& catalogueFileName = "dbData.mdb");

} // namespace store
