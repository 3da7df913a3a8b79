// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/Merge.h"

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
    if (const auto bytes = files.read(recordPath(files))) {
        try {
            StateDocument record =
                readDocument(std::string_view(bytes->data(), bytes->size()), DocumentKind::Local);
            found = true;
            return record;
        } catch (const UnreadableFile&) {
            // Lost: the next merge is a full one, under a new id.
        }
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
    // file-sync program made of them when two versions met.
    State joined = record.state;
    QByteArray ownBytes;
    for (const QString& name : files.fileNames(shared, QLatin1String(kFileSuffix))) {
        const std::optional<QByteArray> bytes = files.read(shared + QLatin1Char('/') + name);
        if (!bytes) {
            report.skipped.push_back({name, SkippedFile::Unreadable});
            continue;
        }
        if (name == ownName) {
            ownBytes = *bytes;
        }
        try {
            const StateDocument document =
                readDocument(std::string_view(bytes->data(), bytes->size()), DocumentKind::Shared);
            join(joined, document.state);
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

    if (QString::fromStdString(record.folder) != place.folder) {
        // The first merge with this folder: what the catalogue held before it is kept.
        report.backedUp =
            store::makeRollingBackup(db, place.backupFolder.toStdString(), place.now).made;
    }

    // This computer's changes were made before it saw what the others wrote now: they are
    // stamped by its own clock, which then passes every stamp read.
    HybridClock clock(record.computer, record.clock);
    const std::string home = place.home.toStdString();
    const NameKey nameKey = [&db](std::string_view name) { return db.nameKey(name); };
    const bool firstMerge = !known;
    const Seen adoptable = catalogueView(joined, home, nameKey);
    const LocalContext context{home, nameKey, [now] { return makeRowId(now); }, &clock, now};
    const store::CatalogueRows catalogue = store::readCatalogueRows(db);
    const CatalogueIds ids =
        noteLocalChanges(catalogue, record.seen, adoptable, joined, context, firstMerge);
    clock.witness(newestStamp(joined));
    const Seen view = catalogueView(joined, home, nameKey);

    StateDocument mine;
    mine.computer = record.computer;
    mine.computerName = place.computerName.toStdString();
    mine.state = joined;
    const std::string sharedText = writeDocument(mine, DocumentKind::Shared);

    Seen written = writeCatalogue(db, catalogue, ids, view, report.catalogueChanged);

    // Then this computer's record (a merge cut short before it finds the values it wrote already
    // in the state, and stamps nothing again), and this computer's file, only when it says
    // something new, so that other computers' sync programs are not woken for nothing. The
    // record's time of merging is renewed at most once a minute when nothing else changed.
    StateDocument updated = std::move(mine);
    updated.clock = clock.last();
    updated.folder = place.folder.toStdString();
    updated.seen = std::move(written);
    updated.mergedAt = record.mergedAt;
    updated.sources = record.sources;
    const std::string unchanged = writeDocument(updated, DocumentKind::Local);
    updated.mergedAt = now;
    updated.sources.clear();
    for (const QString& computer : report.computers) {
        updated.sources.push_back(computer.toStdString());
    }
    if (!known || unchanged != writeDocument(record, DocumentKind::Local) ||
        updated.sources != record.sources || now - record.mergedAt > 60 * 1000) {
        const std::string text = writeDocument(updated, DocumentKind::Local);
        files.writeWhole(recordPath(files), QByteArray(text.data(), qsizetype(text.size())));
    }
    if (ownBytes != QByteArray::fromRawData(sharedText.data(), qsizetype(sharedText.size()))) {
        files.writeWhole(shared + QLatin1Char('/') + ownName,
                         QByteArray(sharedText.data(), qsizetype(sharedText.size())));
        report.folderFileWritten = true;
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
