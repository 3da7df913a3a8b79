#include "platform/DesktopFileSystem.h"

#include "platform/PlatformError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace platform {

namespace {

[[noreturn]] void fail(const QString& message) {
    throw PlatformError(message.toStdString());
}

} // namespace

bool DesktopFileSystem::exists(const QString& path) {
    return !path.isEmpty() && QFileInfo::exists(path);
}

bool DesktopFileSystem::isNormalFile(const QString& path) {
    if (path.isEmpty()) {
        return false;
    }
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}

void DesktopFileSystem::createFolder(const QString& path) {
    // The folders above it are made too: a new account may not have its data home yet.
    if (path.isEmpty() || !QDir().mkpath(path)) {
        fail(QStringLiteral("The folder %1 could not be created.").arg(path));
    }
}

void DesktopFileSystem::copyFile(const QString& from, const QString& to) {
    if (QFileInfo::exists(to)) {
        fail(QStringLiteral("The file %1 already exists.").arg(to));
    }
    QFile source(from);
    if (!source.copy(to)) {
        fail(QStringLiteral("The file %1 could not be copied to %2: %3")
                 .arg(from, to, source.errorString()));
    }
    // A template may ship read-only; the working catalogue must be writable.
    QFile::setPermissions(to, QFile::permissions(to) | QFile::WriteOwner | QFile::ReadOwner);
}

QString DesktopFileSystem::readText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        fail(QStringLiteral("The file %1 could not be read: %2").arg(path, file.errorString()));
    }
    return QString::fromUtf8(file.readAll());
}

} // namespace platform
