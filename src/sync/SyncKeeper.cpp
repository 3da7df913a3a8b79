// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/SyncKeeper.h"

#include "common/ErrorText.h"

#include "platform/PlatformError.h"
#include "platform/SyncFiles.h"
#include "store/Connection.h"
#include "store/StoreError.h"
#include "sync/Merge.h"
#include "sync/SyncText.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

namespace vsync {

SyncKeeper::SyncKeeper(platform::SyncFiles& files, platform::Environment& env, Hooks hooks,
                       QObject* parent)
    : QObject(parent), files_(files), env_(env), hooks_(std::move(hooks)) {
    pause_.setSingleShot(true);
    pause_.setInterval(kPauseMs);
    connect(&pause_, &QTimer::timeout, this, [this] {
        if (hooks_.busy && hooks_.busy()) {
            pause_.start(); // not under an open editor's feet
            return;
        }
        mergeNow();
    });
}

bool SyncKeeper::keepsInStep() {
    if (!started_) {
        folder_ = files_.folder();
    }
    return !folder_.isEmpty();
}

void SyncKeeper::start() {
    folder_ = files_.folder();
    started_ = true;
    watchFolder();
    if (keepsInStep()) {
        mergeNow();
    }
}

void SyncKeeper::noteChange() {
    if (started_ && keepsInStep() && catalogueStamp() != mergedStamp_) {
        pause_.start();
    }
}

void SyncKeeper::mergeAtClose() {
    if (started_ && keepsInStep() && (pause_.isActive() || catalogueStamp() != mergedStamp_)) {
        pause_.stop();
        mergeNow();
    }
}

void SyncKeeper::keepInStepWith(const QString& folder) {
    try {
        const QString chosen = folder.isEmpty() ? QString() : QDir::cleanPath(folder);
        files_.setFolder(chosen);
        folder_ = chosen;
    } catch (const platform::PlatformError& e) {
        tellOnce(QString::fromStdString(e.what()));
        return;
    }
    told_.clear();
    last_.reset();
    lastKnown_ = true;
    watchFolder();
    if (started_ && keepsInStep()) {
        mergeNow();
    }
}

QString SyncKeeper::hoverText() {
    const QString folder = folder_;
    if (folder.isEmpty() || !started_) {
        return {};
    }
    const QString place = QDir::toNativeSeparators(folder);
    if (!lastKnown_) {
        last_ = lastMerge(files_);
        lastKnown_ = true;
    }
    const std::optional<LastMerge>& last = last_;
    if (!last) {
        return QCoreApplication::translate("Vantory", "Kept in step through %1; not merged yet.")
            .arg(place);
    }
    const QString when = QLocale().toString(
        QDateTime::fromMSecsSinceEpoch(
            std::chrono::duration_cast<std::chrono::milliseconds>(last->when.time_since_epoch())
                .count()),
        QLocale::ShortFormat);
    if (last->computers.isEmpty()) {
        return QCoreApplication::translate(
                   "Vantory", "Kept in step through %1. Last merged %2; no other computer has "
                              "written there yet.")
            .arg(place, when);
    }
    return QCoreApplication::translate("Vantory",
                                       "Kept in step through %1. Last merged %2 with %3.")
        .arg(place, when, QLocale().createSeparatedList(last->computers));
}

void SyncKeeper::mergeNow() {
    store::Connection* db = hooks_.catalogue ? hooks_.catalogue() : nullptr;
    const QString folder = folder_;
    if (db == nullptr || !db->isOpen() || db->isReadOnly() || db->isDamaged() || folder.isEmpty()) {
        return;
    }
    if (!QFileInfo(folder).isDir()) {
        tellOnce(QCoreApplication::translate("Vantory", "The folder %1, through which Vantory "
                                                        "keeps the catalogue in step, is not "
                                                        "there. Nothing was merged.")
                     .arg(QDir::toNativeSeparators(folder)));
        return;
    }
    try {
        const QString data = QFileInfo(QString::fromStdString(db->path())).absolutePath();
        const auto now = std::chrono::system_clock::now();
        const MergeReport report = mergeWithFolder(
            *db, files_,
            {folder, data + QStringLiteral("/backups"), QDir::homePath(), computerName(env_), now});
        mergedStamp_ = catalogueStamp();
        last_ = LastMerge{now, report.computers};
        lastKnown_ = true;
        for (const SkippedFile& skipped : report.skipped) {
            tellOnce(skippedText(folder, skipped));
        }
        if (report.catalogueChanged && hooks_.reload) {
            hooks_.reload();
        }
        if (hooks_.merged) {
            hooks_.merged();
        }
    } catch (const std::exception& e) {
        tellOnce(QCoreApplication::translate("Vantory", "Vantory could not merge the catalogue "
                                                        "with %1.\n\n%2")
                     .arg(QDir::toNativeSeparators(folder), common::errorText(e)));
    }
}

void SyncKeeper::watchFolder() {
    const QString folder = folder_;
    files_.watch(folder.isEmpty() ? QString()
                                  : folder + QLatin1Char('/') + QLatin1String(kFolderName),
                 [this] { mergeSoon(); });
}

void SyncKeeper::mergeSoon() {
    if (started_ && keepsInStep()) {
        pause_.start();
    }
}

void SyncKeeper::tellOnce(const QString& text) {
    if (!told_.contains(text) && hooks_.tell) {
        told_.insert(text);
        hooks_.tell(text);
    }
}

std::pair<const void*, std::int64_t> SyncKeeper::catalogueStamp() {
    store::Connection* db = hooks_.catalogue ? hooks_.catalogue() : nullptr;
    return db != nullptr && db->isOpen() ? db->changeStamp()
                                         : std::pair<const void*, std::int64_t>{nullptr, -1};
}

} // namespace vsync
