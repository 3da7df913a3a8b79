// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/Backup.h"

#include "store/CatalogueCheck.h"
#include "store/Connection.h"
#include "store/SameContent.h"
#include "store/Snapshot.h"
#include "store/StoreError.h"

#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <optional>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace store {

namespace {

using Clock = std::chrono::system_clock;

// The date and time part of a backup's name: YYYY-MM-DD-HHMMSS. Backups made before seconds
// were added carry YYYY-MM-DD-HHMM and are still recognised.
constexpr std::size_t kStampLength = 17;
constexpr std::size_t kMinuteStampLength = 15;

} // namespace

int copyPages(sqlite3* target, sqlite3* source) {
    sqlite3_backup* backup = sqlite3_backup_init(target, "main", source, "main");
    if (backup == nullptr) {
        return sqlite3_errcode(target);
    }
    int rc = sqlite3_backup_step(backup, -1);
    const int finished = sqlite3_backup_finish(backup);
    rc = rc == SQLITE_DONE ? finished : rc;
    // A catalogue in write-ahead-log mode hands that mode on in its header; the copy is to be a
    // plain single file like the catalogue at rest.
    return rc == SQLITE_OK
               ? sqlite3_exec(target, "PRAGMA journal_mode=DELETE", nullptr, nullptr, nullptr)
               : rc;
}

std::string backupStamp(Clock::time_point when) {
    const std::time_t t = Clock::to_time_t(when);
    std::tm local{};
    localtime_r(&t, &local);
    char text[kStampLength + 1] = {};
    std::strftime(text, sizeof text, "%Y-%m-%d-%H%M%S", &local);
    return text;
}

namespace {

// The time a backup's name carries, or nothing when the name is not a backup's.
std::optional<Clock::time_point> timeOfName(const std::string& name, const std::string& stem,
                                            const std::string& extension) {
    const std::size_t fixed = stem.size() + 1 + extension.size();
    if (name.size() < fixed || name.compare(0, stem.size(), stem) != 0 ||
        name[stem.size()] != '-' ||
        name.compare(name.size() - extension.size(), extension.size(), extension) != 0) {
        return std::nullopt;
    }
    const std::size_t length = name.size() - fixed;
    if (length != kStampLength && length != kMinuteStampLength) {
        return std::nullopt;
    }
    const std::string stamp = name.substr(stem.size() + 1, length);
    for (std::size_t i = 0; i < stamp.size(); ++i) {
        const bool dash = i == 4 || i == 7 || i == 10;
        if (dash ? stamp[i] != '-' : !std::isdigit(static_cast<unsigned char>(stamp[i]))) {
            return std::nullopt;
        }
    }
    std::tm local{};
    local.tm_year = std::stoi(stamp.substr(0, 4)) - 1900;
    local.tm_mon = std::stoi(stamp.substr(5, 2)) - 1;
    local.tm_mday = std::stoi(stamp.substr(8, 2));
    local.tm_hour = std::stoi(stamp.substr(11, 2));
    local.tm_min = std::stoi(stamp.substr(13, 2));
    local.tm_sec = length == kStampLength ? std::stoi(stamp.substr(15, 2)) : 0;
    local.tm_isdst = -1;
    const std::time_t t = std::mktime(&local);
    if (t == static_cast<std::time_t>(-1)) {
        return std::nullopt;
    }
    return Clock::from_time_t(t);
}

// The time a copy kept before a restore carries in its name (stem-before-restore-STAMP.ext,
// or with -N after the stamp, N its `sequence`, when several were kept in one second), or
// nothing.
std::optional<Clock::time_point> timeOfKeptCopy(const std::string& name, const std::string& stem,
                                                const std::string& extension, int& sequence) {
    const std::string keptStem = stem + kKeptCopyInfix;
    sequence = 1;
    if (auto time = timeOfName(name, keptStem, extension)) {
        return time;
    }
    if (name.size() < extension.size()) {
        return std::nullopt;
    }
    const std::string base = name.substr(0, name.size() - extension.size());
    const std::size_t dash = base.rfind('-');
    if (dash == std::string::npos || dash + 1 == base.size() ||
        base.find_first_not_of("0123456789", dash + 1) != std::string::npos) {
        return std::nullopt;
    }
    sequence = std::atoi(base.c_str() + dash + 1);
    return timeOfName(base.substr(0, dash) + extension, keptStem, extension);
}

struct Found {
    fs::path path;
    Clock::time_point time;
    int sequence = 1; // of copies kept in the same second: the later, the higher
};

// Backups dated no later than `now`, newest first; names break ties so the order never depends
// on the directory's. Backups dated later (made while the clock was set ahead) are left out:
// they are never counted, deleted or offered.
std::vector<Found> findBackups(const fs::path& folder, const std::string& catalogueFileName,
                               Clock::time_point now, bool withKeptCopies = false) {
    const fs::path catalogue(catalogueFileName);
    const std::string stem = catalogue.stem().string();
    const std::string extension = catalogue.extension().string();
    std::vector<Found> found;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (!it->is_regular_file(error)) {
            continue;
        }
        const std::string name = it->path().filename().string();
        auto time = timeOfName(name, stem, extension);
        int sequence = 1;
        if (!time && withKeptCopies) {
            time = timeOfKeptCopy(name, stem, extension, sequence);
        }
        if (time && *time <= now) {
            found.push_back({it->path(), *time, sequence});
        }
    }
    std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
        if (a.time != b.time) {
            return a.time > b.time;
        }
        return a.sequence != b.sequence ? a.sequence > b.sequence
                                        : a.path.filename() > b.path.filename();
    });
    return found;
}

void removeQuietly(const fs::path& path) {
    std::error_code ignored;
    fs::remove(path, ignored);
}

// Makes a renamed file's entry durable along with its content.
void syncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Copies the catalogue into target through a temporary file beside it.
void copyCatalogue(Connection& db, const fs::path& target) {
    const fs::path partial = target.string() + ".partial";
    const auto discardPartial = [&] {
        removeQuietly(partial);
        removeQuietly(partial.string() + "-journal");
    };
    discardPartial(); // left over from a copy that was cut off

    sqlite3* copy = nullptr;
    const std::string& vfs = db.vfs();
    int rc = sqlite3_open_v2(partial.c_str(), &copy, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                             vfs.empty() ? nullptr : vfs.c_str());
    std::string reason;
    if (rc == SQLITE_OK) {
        rc = copyPages(copy, db.handle());
    }
    if (rc != SQLITE_OK) {
        reason = copy ? sqlite3_errmsg(copy) : sqlite3_errstr(rc);
    }
    if (sqlite3_close(copy) != SQLITE_OK && rc == SQLITE_OK) {
        rc = SQLITE_ERROR;
        reason = "the copy could not be closed";
    }
    if (rc != SQLITE_OK) {
        discardPartial();
        throw StoreError(
            Message{STORE_TEXT("Vantory", "The catalogue could not be backed up to %1: %2."),
                    {target.string(), reason}});
    }
    std::error_code error;
    fs::rename(partial, target, error);
    if (error) {
        discardPartial();
        throw StoreError(
            Message{STORE_TEXT("Vantory", "The catalogue could not be backed up to %1: %2."),
                    {target.string(), error.message()}});
    }
    syncFolder(target.parent_path());
}

} // namespace

BackupResult makeRollingBackup(Connection& db, const fs::path& folder, Clock::time_point now,
                               std::size_t keep) {
    if (!db.isOpen()) {
        throw catalogueNotOpen();
    }
    if (db.isDamaged()) {
        throw StoreError(Message{
            STORE_TEXT("Vantory", "The catalogue is damaged, so it was not backed up."), {}});
    }
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) {
        throw StoreError(Message{STORE_TEXT("Vantory", "The backup folder %1 cannot be made: %2."),
                                 {folder.string(), error.message()}});
    }
    if (!fs::is_directory(folder)) {
        throw StoreError(Message{STORE_TEXT("Vantory", "The backup folder %1 cannot be made: a "
                                                       "file of that name is in the way."),
                                 {folder.string()}});
    }
    const std::string catalogueFileName = fs::path(db.path()).filename().string();
    const std::vector<Found> before = findBackups(folder, catalogueFileName, now);

    BackupResult result;
    fs::path made;
    // The rows are compared, not the files' bytes: a backup's header counters and page layout
    // may differ from the catalogue's while holding the same rows, and a catalogue in
    // write-ahead-log mode holds recent changes outside its file.
    const bool due = before.empty() || now - before.front().time >= std::chrono::hours(24) ||
                     !sameContent(db.handle(), before.front().path.string());
    if (due) {
        const fs::path stem = fs::path(catalogueFileName).stem();
        const std::string extension = fs::path(catalogueFileName).extension().string();
        made = folder / (stem.string() + "-" + backupStamp(now) + extension);
        copyCatalogue(db, made);
        result.made = true;
    }

    // The oldest go first; the copy just made always stays.
    std::vector<Found> after = findBackups(folder, catalogueFileName, now);
    const std::size_t limit = std::max<std::size_t>(keep, 1);
    for (std::size_t i = after.size(); i-- > 0 && after.size() > limit;) {
        if (after[i].path != made) {
            removeQuietly(after[i].path);
            after.erase(after.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }
    result.newest = after.empty() ? fs::path() : after.front().path;
    result.kept = after.size();
    return result;
}

std::vector<fs::path> listBackups(const fs::path& folder, const std::string& catalogueFileName,
                                  Clock::time_point now) {
    std::vector<fs::path> paths;
    for (const auto& found : findBackups(folder, catalogueFileName, now)) {
        paths.push_back(found.path);
    }
    return paths;
}

fs::path newestSoundBackup(const fs::path& folder, const std::string& catalogueFileName,
                           Clock::time_point now, bool withKeptCopies) {
    for (const auto& found : findBackups(folder, catalogueFileName, now, withKeptCopies)) {
        if (checkBackup(found.path).empty()) {
            return found.path;
        }
    }
    return {};
}

} // namespace store

namespace store {

std::string checkBackup(const fs::path& backup) {
    try {
        // A private copy with its log: nothing is written beside the backup, and the log's
        // rows count as they will when it is restored.
        const Snapshot snapshot(backup);
        return checkCatalogue(snapshot.handle());
    } catch (const StoreError& e) {
        return e.what();
    }
}

} // namespace store
