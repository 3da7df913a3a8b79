// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Form1.h"
#include "common/CatalogueBackups.h"
#include "common/ErrorText.h"
#include "common/Messages.h"
#include "store/Backup.h"
#include "store/NameRepair.h"
#include "store/Restore.h"
#include "store/StoreError.h"

#include "common/ErrorTrap.h"

#include <chrono>
#include <filesystem>

#include <QApplication>
#include <QCoreApplication>
#include <QPointer>

#include <memory>
#include <thread>

namespace app {

namespace {

using common::backupFolderOf;
using common::kBackupsKept;

QString fromPath(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

// A name as a message shows it: bytes that are not text written out, and a long name cut in
// its middle (its end holds the number a repair adds) so that the message stays one the window
// can lay out and a person can read.
QString shownInMessage(const std::string& name) {
    constexpr qsizetype kKept = 40; // characters kept at either end
    const QString shown = QString::fromStdString(store::shownName(name));
    if (shown.size() <= 2 * kKept + 1) {
        return shown;
    }
    qsizetype head = kKept;
    qsizetype tail = shown.size() - kKept;
    head -= shown.at(head - 1).isHighSurrogate() ? 1 : 0;
    tail += shown.at(tail).isLowSurrogate() ? 1 : 0;
    return shown.left(head) + QChar(0x2026) + shown.mid(tail);
}

} // namespace

void Form1::backUpCatalogue() {
    store::Connection* db = globals_.gConnection.get();
    // A damaged catalogue is never copied: its copy would push the good backups out.
    if (db == nullptr || !db->isOpen() || db->isDamaged()) {
        return;
    }
    QString failure;
    try {
        store::makeRollingBackup(*db, backupFolderOf(*db), std::chrono::system_clock::now(),
                                 kBackupsKept);
        return;
    } catch (const std::exception& e) {
        failure = common::errorText(e);
    }
    common::tell(services_, globals_, this,
                 QCoreApplication::translate(
                     "Vantory", "Vantory could not back up the catalogue into %1.\n\n%2\n\nThe "
                                "catalogue itself is unchanged.")
                     .arg(fromPath(backupFolderOf(*db)), failure));
}

void Form1::tellDamagedCatalogue() {
    const store::Connection& db = globals_.connection();
    const std::filesystem::path newest = store::newestSoundBackup(
        backupFolderOf(db), std::filesystem::path(db.path()).filename().string(),
        std::chrono::system_clock::now(), true);
    QString text =
        common::translated(db.damage()) +
        QCoreApplication::translate("Vantory", "\n\nVantory shows what can still be read.\n\n");
    if (newest.empty()) {
        text += QCoreApplication::translate("Vantory",
                                            "There is no sound backup of the catalogue in %1.")
                    .arg(fromPath(backupFolderOf(db)));
        common::tell(services_, globals_, this, text);
        return;
    }
    text += QCoreApplication::translate(
                "Vantory", "The newest sound backup is %1.\n\nRestore it now? The damaged "
                           "catalogue is kept beside the backups.")
                .arg(fromPath(newest));
    if (common::askYesNo(services_, globals_, this, text)) {
        restoreFromBackup(newest);
    }
}

void Form1::offerRestoreOfUnreadableCatalogue(const QString& catalogue) {
    const std::string path = catalogue.toStdString();
    const std::filesystem::path newest = store::newestSoundBackup(
        backupFolderOf(path), std::filesystem::path(path).filename().string(),
        std::chrono::system_clock::now(), true);
    if (newest.empty()) {
        return;
    }
    if (common::askYesNo(services_, globals_, this,
                         QCoreApplication::translate(
                             "Vantory",
                             "Vantory cannot read the catalogue %1.\n\nThe newest sound backup is "
                             "%2.\n\nRestore it now? The catalogue as it is now is kept beside the "
                             "backups.")
                             .arg(catalogue, fromPath(newest)))) {
        restoreFromBackup(newest, path);
    }
}

void Form1::restoreFromBackup(const std::filesystem::path& backup) {
    restoreFromBackup(backup, globals_.connection().path());
}

void Form1::restoreFromBackup(const std::filesystem::path& backup, std::string catalogue) {
    const std::filesystem::path folder = backupFolderOf(catalogue);
    if (!globals_.gConnection) {
        globals_.gConnection = std::make_unique<store::Connection>();
    }
    // The catalogue's lock is this window's own: it is let go for the restore to take.
    globals_.gConnection->close();
    QString told;
    try {
        const store::RestoreResult result =
            store::restoreBackup(catalogue, backup, folder, std::chrono::system_clock::now());
        told = QCoreApplication::translate("Vantory", "The backup %1 has been restored.")
                   .arg(fromPath(backup));
        if (!result.keptAs.empty()) {
            told +=
                QCoreApplication::translate("Vantory", " The catalogue as it was is kept as %1.")
                    .arg(fromPath(result.keptAs));
        }
    } catch (const std::exception& e) {
        told = common::errorText(e);
    }
    common::Trap trap(services_.messages, this, QStringLiteral("Form1.restoreFromBackup"));
    trap.step(100, [&] { globals_.connection().open(catalogue); });
    showCatalogueFromTheRoot();
    common::tell(services_, globals_, this, told);
}

void Form1::repairNamesAtOpen() {
    store::Connection* db = globals_.gConnection.get();
    if (db == nullptr || !db->isOpen() || db->isReadOnly() || db->isFolderReadOnly()) {
        return;
    }
    if (nameCheck_.joinable()) {
        nameCheck_.join();
    }
    // Every name is read on a thread of its own, through a read-only connection of its own, so
    // that thousands of alike names never hold the window; the renames are made here.
    const auto stamp = db->changeStamp();
    nameCheck_ = std::thread([window = QPointer<Form1>(this), path = db->path(), vfs = db->vfs(),
                              names = db->nameCollator(), stamp] {
        auto plan = std::make_shared<store::NameRepairPlan>();
        QString failure;
        try {
            *plan = store::planNameRepairs(path, vfs, *names);
        } catch (const std::exception& e) {
            failure = common::errorText(e);
        }
        QMetaObject::invokeMethod(
            qApp,
            [window, plan, failure, stamp] {
                if (window) {
                    window->repairNames(*plan, failure, stamp);
                }
            },
            Qt::QueuedConnection);
    });
}

void Form1::repairNames(const store::NameRepairPlan& plan, const QString& planFailure,
                        std::pair<const void*, std::int64_t> stamp) {
    store::Connection* db = globals_.gConnection.get();
    if (db == nullptr || !db->isOpen() || db->isReadOnly() || db->isFolderReadOnly()) {
        return;
    }
    if (db->changeStamp() != stamp) {
        repairNamesAtOpen(); // changed while the names were read: read them again
        return;
    }
    QString failure = planFailure;
    if (failure.isEmpty()) {
        try {
            if (plan.empty()) {
                return;
            }
            // The catalogue as it was is backed up first, which needs its pages checked now.
            db->settlePageCheck();
            if (db->isDamaged()) {
                return; // start-up tells of the damage; a damaged file takes no change
            }
            const store::BackupResult backup = store::makeRollingBackup(
                *db, backupFolderOf(*db), std::chrono::system_clock::now(), kBackupsKept);
            store::repairNames(*db, plan);
            showCatalogueFromTheRoot();
            QStringList lines;
            for (const store::Rename& rename : plan.renames) {
                const QString from = shownInMessage(rename.from);
                const QString to = shownInMessage(rename.to);
                const QString what =
                    rename.isCategory
                        ? QCoreApplication::translate("Vantory", "The category \"%1\"").arg(from)
                        : QCoreApplication::translate("Vantory", "The shortcut \"%1\" in \"%2\"")
                              .arg(from, shownInMessage(rename.category));
                lines << (rename.wasUnreadable
                              ? QCoreApplication::translate(
                                    "Vantory", "%1, which was not readable text, is now \"%2\".")
                              : QCoreApplication::translate("Vantory", "%1 is now \"%2\"."))
                             .arg(what, to);
            }
            constexpr qsizetype kLinesShown = 20;
            if (lines.size() > kLinesShown) {
                const qsizetype more = lines.size() - kLinesShown;
                lines.resize(kLinesShown);
                lines << QCoreApplication::translate("Vantory", "... and %1 more.").arg(more);
            }
            common::tell(services_, globals_, this,
                         QCoreApplication::translate(
                             "Vantory",
                             "Some names in the catalogue could not be told apart, or were "
                             "not readable text, so Vantory renamed them. The catalogue as "
                             "it was is backed up as %1.\n\n%2")
                             .arg(fromPath(backup.newest), lines.join(QLatin1Char('\n'))));
            return;
        } catch (const store::DamagedCatalogueError& e) {
            common::tell(services_, globals_, this, common::errorText(e));
            return;
        } catch (const std::exception& e) {
            failure = common::errorText(e);
        }
    }
    // A read that failed on a damaged file is the damage's to tell, in its own message.
    try {
        if (db->isOpen() && db->pageCheckPending()) {
            db->settlePageCheck();
        }
    } catch (const std::exception& e) {
        common::tell(services_, globals_, this, common::errorText(e));
        return;
    }
    if (!db->isOpen() || db->isDamaged()) {
        return;
    }
    common::tell(services_, globals_, this,
                 QCoreApplication::translate(
                     "Vantory", "Vantory could not rename the names in the catalogue that cannot "
                                "be told apart.\n\n%1\n\nThe catalogue is unchanged.")
                     .arg(failure));
}

} // namespace app
