// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DesktopEnvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QSysInfo>

namespace platform {

std::optional<QString> DesktopEnvironment::variable(const QString& name) {
    const QByteArray key = name.toLocal8Bit();
    if (!qEnvironmentVariableIsSet(key.constData())) {
        return std::nullopt;
    }
    return qEnvironmentVariable(key.constData());
}

QString DesktopEnvironment::hostName() {
    return QSysInfo::machineHostName();
}

QString DesktopEnvironment::specialFolderPath(int folder) {
    if (folder != kCommonAppDataFolder) {
        return QString();
    }
    const QStringList places =
        QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    if (places.isEmpty()) {
        return QString();
    }
    // A new account may have no data home yet; the desktop's rule is to make it, private.
    const QString home = places.first();
    if (!QFileInfo::exists(home) && QDir().mkpath(home)) {
        QFile::setPermissions(home, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                        QFileDevice::ExeOwner);
    }
    return home;
}

QString DesktopEnvironment::programFolder() {
    const QString own = QCoreApplication::applicationDirPath();
    if (QFileInfo::exists(own + QStringLiteral("/dbBlank.mdb"))) {
        return own;
    }
    const QString installed = QDir::cleanPath(own + QStringLiteral("/../share/vantory"));
    return QFileInfo::exists(installed) ? installed : own;
}

} // namespace platform
