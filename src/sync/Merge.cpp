// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/Merge.h"

#include "platform/PlatformError.h"
#include "platform/SyncFiles.h"
#include "store/Backup.h"
#include "store/Connection.h"
#include "sync/CatalogueState.h"
#include "sync/StateFile.h"
#include "sync/WriteBack.h"

#include <QDir>

#include <random>

namespace vsync {

namespace {

QString recordPath(platform::SyncFiles& files) {
    return files.stateFolder() + QStringLiteral("/sync-record.vlocal");
}

std::string newComputerId() {
    std::mt19937_64 random{std::random_device{}()};
    char id[16];
    std::snprintf(id, sizeof id, "%012llx",
                  static_cast<unsigned long long>(random() & 0xffffffffffffULL));
    return id;
}

// This computer's record, or a fresh one (a new computer) when there is none that reads.
StateDocument readRecord(platform::SyncFiles& files, bool& found) {
    found = false;
    try {
        if (const auto bytes = files.read(recordPath(files))) {
            StateDocument record =
                readDocument(std::string_view(bytes->data(), bytes->size()), DocumentKind::Local);
            found = true;
            return record;
        }
    } catch (const UnreadableFile&) {
        // Lost: the next merge is a full one, under a new id.
    } catch (const platform::PlatformError&) {
        // The same when the file itself cannot be read.
    }
    StateDocument record;
    record.computer = newComputerId();
    return record;
}

std::int64_t millis(std::chrono::system_clock::time_point when) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(when.time_since_epoch()).count();
}

} // namespace

MergeReport mergeWithFolder(store::Connection& db, platform::SyncFiles& files,
                            const MergePlace& place) {
    MergeReport report;
    bool known = false;
    StateDocument record = readRecord(files, known);
    const QString shared = place.folder + QLatin1Char('/') + QLatin1String(kFolderName);
    const QString ownName = QString::fromStdString(record.computer) + QLatin1String(kFileSuffix);
    const std::int64_t now = millis(place.now);

    // Every file in the folder is a state to join: the computers' own files and the copies a
    // file-sync program made of them when two versions met. This computer's own file is read
    // only when it is not the one it wrote last: its record holds the same.
    State& joined = record.state;
    bool stateChanged = !known;
    bool ownIntact = false;
    for (const QString& name : files.fileNames(shared, QLatin1String(kFileSuffix))) {
        std::optional<QByteArray> bytes;
        try {
            bytes = files.read(shared + QLatin1Char('/') + name);
        } catch (const platform::PlatformError&) {
            // Told as unreadable below, like a file gone since the folder was listed.
        }
        if (!bytes) {
            report.skipped.push_back({name, SkippedFile::Unreadable});
            continue;
        }
        const std::string_view text(bytes->data(), static_cast<std::size_t>(bytes->size()));
        if (name == ownName && known && fileCheck(text) == record.sharedCheck) {
            ownIntact = true;
            continue;
        }
        try {
            const StateDocument document = readDocument(text, DocumentKind::Shared);
            stateChanged = join(joined, document.state) || stateChanged;
            const QString who = QString::fromStdString(document.computerName);
            if (document.computer != record.computer && !report.computers.contains(who)) {
                report.computers.append(who);
            }
        } catch (const NewerFormat&) {
            report.skipped.push_back({name, SkippedFile::Newer});
        } catch (const UnreadableFile&) {
            report.skipped.push_back({name, SkippedFile::Damaged});
        }
    }

    const bool newFolder = QString::fromStdString(record.folder) != place.folder;
    if (newFolder) {
        // The first merge with this folder: what the catalogue held before it is kept.
        report.backedUp =
            store::makeRollingBackup(db, place.backupFolder.toStdString(), place.now).made;
    }

    // This computer's changes were made before it saw what the others wrote now: they are
    // stamped by its own clock, which then passes every stamp read.
    HybridClock clock(record.computer, record.clock);
    const std::string home = place.home.toStdString();
    const NameKey nameKey = [&db](std::string_view name) { return db.nameKey(name); };
    std::optional<Seen> adoptable;
    const auto adopt = [&]() -> const Seen& {
        if (!adoptable) {
            adoptable = catalogueView(joined, home, nameKey);
        }
        return *adoptable;
    };
    const LocalContext context{home, nameKey, [now] { return makeRowId(now); }, &clock, now};
    const store::CatalogueRows catalogue = store::readCatalogueRows(db);
    const CatalogueIds ids =
        noteLocalChanges(catalogue, record.seen, adopt, joined, context, !known);
    stateChanged = stateChanged || clock.last() != record.clock;
    clock.witness(newestStamp(joined));

    const Seen written = writeCatalogue(db, catalogue, ids, catalogueView(joined, home, nameKey),
                                        report.catalogueChanged);

    // Then this computer's file, only when it says something new, so that other computers'
    // sync programs are not woken for nothing; then its record (a merge cut short before it
    // finds the values it wrote already in the state, and stamps nothing again). The record's
    // time of merging is renewed at most once a minute when nothing else changed.
    record.computerName = place.computerName.toStdString();
    if (stateChanged || !ownIntact) {
        const std::string text = writeDocument(record, DocumentKind::Shared);
        files.writeWhole(shared + QLatin1Char('/') + ownName,
                         QByteArray(text.data(), static_cast<qsizetype>(text.size())));
        record.sharedCheck = fileCheck(text);
        report.folderFileWritten = true;
    }
    std::vector<std::string> sources;
    for (const QString& computer : report.computers) {
        sources.push_back(computer.toStdString());
    }
    const bool recordChanged = stateChanged || report.folderFileWritten || newFolder ||
                               written != record.seen || clock.last() != record.clock ||
                               sources != record.sources || now - record.mergedAt > 60 * 1000;
    if (recordChanged) {
        record.clock = clock.last();
        record.folder = place.folder.toStdString();
        record.seen = written;
        record.sources = std::move(sources);
        record.mergedAt = now;
        const std::string text = writeDocument(record, DocumentKind::Local);
        files.writeWhole(recordPath(files),
                         QByteArray(text.data(), static_cast<qsizetype>(text.size())));
    }
    return report;
}

std::optional<LastMerge> lastMerge(platform::SyncFiles& files) {
    bool found = false;
    const StateDocument record = readRecord(files, found);
    if (!found || record.mergedAt == 0) {
        return std::nullopt;
    }
    LastMerge last{
        std::chrono::system_clock::time_point(std::chrono::milliseconds(record.mergedAt)), {}};
    for (const std::string& name : record.sources) {
        last.computers.append(QString::fromStdString(name));
    }
    return last;
}

} // namespace vsync
