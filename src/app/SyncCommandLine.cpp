// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SyncCommandLine.h"

#include "app/DataFolder.h"
#include "common/MainHelpers.h"
#include "platform/FileSystem.h"
#include "platform/PlatformError.h"
#include "platform/SyncFiles.h"
#include "store/Connection.h"
#include "store/StoreError.h"
#include "sync/Merge.h"
#include "sync/SyncText.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace app {

namespace {

int fail(const QString& message) {
    std::fputs(("vantory: " + message + QLatin1Char('\n')).toLocal8Bit().constData(), stderr);
    return 1;
}

} // namespace

int chooseSyncFolder(platform::SyncFiles& sync, const QString& folder) {
    const QString absolute = folder.isEmpty() ? QString() : QFileInfo(folder).absoluteFilePath();
    if (!absolute.isEmpty() && !QFileInfo(absolute).isDir()) {
        return fail(QStringLiteral("%1 is not a folder. Nothing was changed.").arg(absolute));
    }
    try {
        sync.setFolder(QDir::cleanPath(absolute));
    } catch (const platform::PlatformError& e) {
        return fail(QString::fromStdString(e.what()));
    }
    std::puts((absolute.isEmpty()
                   ? QStringLiteral("Vantory no longer keeps the catalogue in step with a folder.")
                   : QStringLiteral("Vantory keeps the catalogue in step through %1.")
                         .arg(QDir::cleanPath(absolute)))
                  .toLocal8Bit()
                  .constData());
    return 0;
}

int syncFromCommandLine(platform::Environment& env, platform::FileSystem& files,
                        platform::SyncFiles& sync) {
    const QString folder = sync.folder();
    if (folder.isEmpty()) {
        return fail(QStringLiteral("No folder is chosen to keep in step with. Choose one with "
                                   "--sync-folder DIR."));
    }
    if (!QFileInfo(folder).isDir()) {
        return fail(QStringLiteral("The folder %1 is not there. Nothing was changed.").arg(folder));
    }
    const QString catalogue = catalogueFile(env);
    try {
        if (!files.exists(catalogue)) {
            files.createFolder(dataFolder(env));
            files.copyFile(env.programFolder() + QStringLiteral("/dbBlank.mdb"), catalogue);
        }
        store::Connection db;
        db.open(catalogue.toStdString());
        if (db.isReadOnly() || db.isDamaged()) {
            return fail(QStringLiteral("The catalogue %1 cannot take changes. Nothing was merged.")
                            .arg(catalogue));
        }
        const vsync::MergeReport report = vsync::mergeWithFolder(
            db, sync,
            {folder, dataFolder(env) + QStringLiteral("/backups"), QDir::homePath(),
             vsync::computerName(env), std::chrono::system_clock::now()});
        for (const vsync::SkippedFile& skipped : report.skipped) {
            std::fputs(("vantory: " + vsync::skippedText(folder, skipped) + QLatin1Char('\n'))
                           .toLocal8Bit()
                           .constData(),
                       stderr);
        }
        return 0;
    } catch (const store::CatalogueInUse&) {
        return fail(QStringLiteral("Vantory is running and keeps the catalogue in step itself. "
                                   "Nothing was changed."));
    } catch (const std::exception& e) {
        return fail(QString::fromStdString(e.what()));
    }
}

} // namespace app
