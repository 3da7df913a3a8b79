// SPDX-License-Identifier: GPL-3.0-or-later
#include "launch/EntryTrust.h"

#include "platform/DesktopEntryExec.h"
#include "platform/InstalledApplications.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFileInfo>

namespace launch {

EntryTrust::EntryTrust(platform::LaunchQuestion& question, platform::TrustedEntries& remembered)
    : question_(question), remembered_(remembered) {}

EntryTrust::Decision EntryTrust::check(QWidget* owner, const QString& path,
                                       const QString& canonical,
                                       const std::optional<QByteArray>& text) {
    if (canonical.isEmpty() || !text)
        return {std::nullopt, QCoreApplication::translate(
                                  "Vantory", "Vantory could not read the desktop entry \"%1\".")
                                  .arg(path)};
    // What is checked is what runs: the launch starts from this content, not from the file.
    const QByteArray& content = *text;
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
