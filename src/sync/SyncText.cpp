// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/SyncText.h"

#include "platform/Environment.h"

#include <QCoreApplication>
#include <QDir>

namespace vsync {

QString computerName(platform::Environment& env) {
    return env.variable(QStringLiteral("COMPUTERNAME")).value_or(env.hostName());
}

QString skippedText(const QString& folder, const SkippedFile& skipped) {
    const QString path = QDir::toNativeSeparators(
        folder + QLatin1Char('/') + QLatin1String(kFolderName) + QLatin1Char('/') + skipped.name);
    switch (skipped.reason) {
    case SkippedFile::Newer:
        return QCoreApplication::translate(
                   "Vantory", "%1 comes from a newer Vantory and was not read. Update Vantory on "
                              "this computer to merge it.")
            .arg(path);
    case SkippedFile::Damaged:
        return QCoreApplication::translate(
                   "Vantory", "%1 is cut short or damaged and was not read; nothing was taken "
                              "from it.")
            .arg(path);
    case SkippedFile::Unreadable:
        break;
    }
    return QCoreApplication::translate("Vantory", "%1 cannot be read and was skipped.").arg(path);
}

} // namespace vsync
