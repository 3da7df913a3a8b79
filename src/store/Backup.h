// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

struct sqlite3;

namespace store {

class Connection;

// Rolling backups of the catalogue. Each backup is a complete SQLite catalogue named after the
// catalogue with the local date and time it was made, to the second: dbData.mdb gives
// dbData-2026-12-08-071500.mdb (names to the minute, from older versions, count as well). Only
// files named so are ever counted or deleted, and only those dated no later than now: a backup
// dated later, made while the clock was set ahead, is kept apart and never counted or offered.

struct BackupResult {
    bool made = false;            // a new backup was written by this call
    std::filesystem::path newest; // the newest backup in the folder afterwards
    std::size_t kept = 0;         // how many backups the folder holds afterwards
};

// Backs up db's catalogue into folder (made when missing) when the folder holds no backup yet,
// when the newest is a day old or more, or when the newest holds other rows than the catalogue;
// then deletes the oldest backups beyond `keep` (among those dated no later than `now`). The copy
// is taken with SQLite's online backup, written under a temporary name and renamed only once
// complete, so a failed copy leaves no partial backup behind. Throws StoreError when the folder
// cannot be made or written, when the copy fails, and for a damaged catalogue (its copy would push
// good backups out).
BackupResult makeRollingBackup(Connection& db, const std::filesystem::path& folder,
                               std::chrono::system_clock::time_point now, std::size_t keep = 7);

// The backups in folder of the catalogue named catalogueFileName dated no later than `now`,
// newest first.
std::vector<std::filesystem::path>
listBackups(const std::filesystem::path& folder,
            const std::string& catalogueFileName = "dbData.mdb",
            std::chrono::system_clock::time_point now = std::chrono::system_clock::now());

// What a restore puts between the catalogue's stem and the date of the copy it keeps of the
// catalogue as it was: dbData-before-restore-YYYY-MM-DD-HHMMSS.mdb (-2, -3 ... after the date
// when several are kept in one second). Such copies are never counted or deleted.
inline constexpr const char* kKeptCopyInfix = "-before-restore";

// The newest of those backups that passes checkBackup(), with the copies kept before restores
// counted among them when `withKeptCopies`; empty when there is none.
std::filesystem::path
newestSoundBackup(const std::filesystem::path& folder,
                  const std::string& catalogueFileName = "dbData.mdb",
                  std::chrono::system_clock::time_point now = std::chrono::system_clock::now(),
                  bool withKeptCopies = false);

// What is wrong with the catalogue file at `backup` and its write-ahead log (checkCatalogue on
// a private copy of both): "" when it is sound. The file is only read.
std::string checkBackup(const std::filesystem::path& backup);

// Copies every page of source's main database over target's with SQLite's online backup, and
// leaves target a plain single file (no write-ahead log); an SQLite result code.
int copyPages(sqlite3* target, sqlite3* source);

// The local date and time as a backup's name carries it: YYYY-MM-DD-HHMMSS.
std::string backupStamp(std::chrono::system_clock::time_point when);

} // namespace store
