// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DesktopSyncFiles.h"

#include "platform/PlatformError.h"
#include "platform/StateFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>

namespace platform {

namespace {

const QString kKey = QStringLiteral("Vantory/SyncFolder");
// Far beyond any catalogue's state; a larger file is not one of ours.
constexpr qint64 kLargestFile = 256LL * 1024 * 1024;

QSettings settings() {
    return QSettings(QStringLiteral("Mellovan"), QStringLiteral("Vantory"));
}

} // namespace

QString DesktopSyncFiles::folder() {
    return settings().value(kKey).toString();
}

void DesktopSyncFiles::setFolder(const QString& folder) {
    QSettings store = settings();
    if (folder.isEmpty()) {
        store.remove(kKey);
    } else {
        store.setValue(kKey, folder);
    }
    store.sync();
    if (store.status() != QSettings::NoError) {
        throw PlatformError(
            QCoreApplication::translate("Vantory", "The settings cannot be saved.").toStdString());
    }
}

QStringList DesktopSyncFiles::fileNames(const QString& folder, const QString& suffix) {
    return QDir(folder).entryList({QLatin1Char('*') + suffix}, QDir::Files, QDir::Name);
}

std::optional<QByteArray> DesktopSyncFiles::read(const QString& path) {
    QFile file(path);
    if (!file.exists()) {
        return std::nullopt;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        throw PlatformError(file.errorString().toStdString());
    }
    if (file.size() > kLargestFile) {
        throw PlatformError(
            QCoreApplication::translate("Vantory", "it is too large").toStdString());
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFile::NoError) {
        throw PlatformError(file.errorString().toStdString());
    }
    return bytes;
}

void DesktopSyncFiles::writeWhole(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        throw PlatformError(QCoreApplication::translate("Vantory", "%1 cannot be written: %2")
                                .arg(QDir::toNativeSeparators(path), file.errorString())
                                .toStdString());
    }
}

void DesktopSyncFiles::watch(const QString& folder, std::function<void()> changed) {
    watcher_.reset();
    if (folder.isEmpty()) {
        return;
    }
    QDir().mkpath(folder);
    watcher_ = std::make_unique<QFileSystemWatcher>();
    // A sync program replaces a file by renaming another over it, which the folder tells; one
    // that writes a file in place is told by the file.
    const auto rewatch = [this, folder] {
        const QStringList files = fileNames(folder, QString());
        for (const QString& name : files) {
            watcher_->addPath(folder + QLatin1Char('/') + name);
        }
    };
    watcher_->addPath(folder);
    rewatch();
    QObject::connect(watcher_.get(), &QFileSystemWatcher::directoryChanged, watcher_.get(),
                     [rewatch, changed] {
                         rewatch();
                         changed();
                     });
    QObject::connect(watcher_.get(), &QFileSystemWatcher::fileChanged, watcher_.get(),
                     [changed] { changed(); });
}

QString DesktopSyncFiles::stateFolder() {
    return platform::stateFolder();
}

} // namespace platform
