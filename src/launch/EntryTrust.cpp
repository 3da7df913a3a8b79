// SPDX-License-Identifier: GPL-3.0-or-later
#include "launch/EntryTrust.h"

#include "platform/DesktopEntryExec.h"
#include "platform/InstalledApplications.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

namespace launch {

namespace {

// Far more than any desktop entry holds; reading a bigger file whole is not worth it.
constexpr qint64 kMaxEntrySize = 1024 * 1024;

} // namespace

EntryTrust::EntryTrust(platform::LaunchQuestion& question, platform::TrustedEntries& remembered)
    : question_(question), remembered_(remembered) {}

EntryTrust::Decision EntryTrust::check(QWidget* owner, const QString& path) {
    // A link to an entry is that entry, wherever the link lies.
    const QString canonical = QFileInfo(path).canonicalFilePath();
    QFile file(canonical);
    if (canonical.isEmpty() || !file.open(QIODevice::ReadOnly) || file.size() > kMaxEntrySize)
        return {std::nullopt, QCoreApplication::translate(
                                  "Vantory", "Vantory could not read the desktop entry \"%1\".")
                                  .arg(path)};
    // What is checked is what runs: the launch starts from this content, not from the file.
    const QByteArray content = file.readAll();
    if (platform::isInstalledApplication(canonical))
        return {content, {}};
    const QByteArray hash = QCryptographicHash::hash(content, QCryptographicHash::Sha256);
    if (remembered_.contains(canonical, hash))
        return {content, {}};

    const std::optional<platform::DesktopEntryCommand> entry = platform::readDesktopEntry(content);
    const QString caption =
        entry && !entry->name.isEmpty() ? entry->name : QFileInfo(path).fileName();
    const QString command = entry && !entry->exec.isEmpty() ? entry->exec : QStringLiteral("-");
    const platform::LaunchAnswer answer = question_.askToLaunch(owner, caption, command);
    if (!answer.launch)
        return {};
    // A list that cannot be written only means being asked again next time.
    if (answer.always)
        remembered_.remember(canonical, hash);
    return {content, {}};
}

} // namespace launch
