// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DesktopFileSystem.h"

#include "platform/FolderScan.h"
#include "platform/PlatformError.h"
#include "platform/StateFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>

#include <QCoreApplication>

namespace platform {

namespace {

[[noreturn]] void fail(const QString& message) {
    throw PlatformError(message.toStdString());
}

FileKind kindOfInfo(const QFileInfo& info) {
    if (!info.exists()) {
        return FileKind::Missing;
    }
    if (info.isDir()) {
        return FileKind::Folder;
    }
    return info.isFile() ? FileKind::File : FileKind::Special;
}

} // namespace

FileKind DesktopFileSystem::kindOf(const QString& path) {
    // One stat() answers all.
    return statKind(path);
}

std::vector<FileKind> DesktopFileSystem::kindsOf(const QStringList& paths) {
    // A drop asks this of every file it brings, mostly of one folder.
    return kindsByFolder(paths);
}

FileFacts DesktopFileSystem::inspect(const QString& path) {
    FileFacts facts;
    const QFileInfo info(path);
    facts.kind = path.isEmpty() ? FileKind::Missing : kindOfInfo(info);
    // Reading a pipe or a device to learn its type could wait for ever.
    if (facts.kind != FileKind::File) {
        return facts;
    }
    facts.executable = info.isExecutable();
    const QMimeDatabase types;
    const QMimeType type = types.mimeTypeForFile(info);
    facts.mimeType = type.name();
    facts.contentType = types.mimeTypeForFile(info, QMimeDatabase::MatchContent).name();
    facts.desktopEntry = type.inherits(QStringLiteral("application/x-desktop")) &&
                         info.size() <= kMaxDesktopEntrySize;
    if (facts.desktopEntry) {
        // A link to an entry is that entry, wherever the link lies. Read here, beside the
        // window when the facts are asked there, never waiting on a pipe put in its place.
        facts.canonicalPath = info.canonicalFilePath();
        QByteArray text;
        if (!facts.canonicalPath.isEmpty() &&
            readStateFile(facts.canonicalPath, kMaxDesktopEntrySize, text) == StateRead::Read) {
            facts.entryText = text;
        }
    }
    return facts;
}

void DesktopFileSystem::createFolder(const QString& path) {
    // The folders above it are made too: a new account may not have its data home yet.
    if (path.isEmpty() || !QDir().mkpath(path)) {
        fail(QCoreApplication::translate("Vantory", "The folder %1 could not be created.")
                 .arg(path));
    }
}

void DesktopFileSystem::copyFile(const QString& from, const QString& to) {
    if (QFileInfo::exists(to)) {
        fail(QCoreApplication::translate("Vantory", "The file %1 already exists.").arg(to));
    }
    QFile source(from);
    if (!source.copy(to)) {
        fail(QCoreApplication::translate("Vantory", "The file %1 could not be copied to %2: %3")
                 .arg(from, to, source.errorString()));
    }
    // A template may ship read-only; the working catalogue must be writable.
    QFile::setPermissions(to, QFile::permissions(to) | QFile::WriteOwner | QFile::ReadOwner);
}

QString DesktopFileSystem::readText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        fail(QCoreApplication::translate("Vantory", "The file %1 could not be read: %2")
                 .arg(path, file.errorString()));
    }
    return QString::fromUtf8(file.readAll());
}

} // namespace platform
