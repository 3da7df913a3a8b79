// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QTemporaryDir>

namespace fakes {

// The desktop's applications folders, private to this test process: GIO reads where they are
// once per process, so they are set before anything asks it for the installed applications.
// Adds one installed entry, "installed.desktop", without the execute bit.
inline QString privateApplications() {
    static const QString folder = [] {
        static QTemporaryDir data;
        const QString applications = data.filePath(QStringLiteral("applications"));
        QDir().mkpath(applications);
        QFile entry(applications + QStringLiteral("/installed.desktop"));
        if (entry.open(QIODevice::WriteOnly))
            entry.write("[Desktop Entry]\nType=Application\nName=Installed\nExec=true %F\n");
        // The system's folders stay behind it: they hold the file types too.
        const QByteArray system = qgetenv("XDG_DATA_DIRS");
        qputenv("XDG_DATA_DIRS", QFile::encodeName(data.path()) + ':' +
                                     (system.isEmpty() ? "/usr/local/share:/usr/share" : system));
        qputenv("XDG_DATA_HOME", QFile::encodeName(data.filePath(QStringLiteral("home"))));
        return applications;
    }();
    return folder;
}

} // namespace fakes
