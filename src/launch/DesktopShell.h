// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FileSystem.h"
#include "platform/LaunchQuestion.h"
#include "platform/Launcher.h"
#include "platform/Shell.h"
#include "platform/TrustedEntries.h"

#include <QByteArray>
#include <QSysInfo>
#include <optional>

namespace launch {

struct LaunchDesktopEntry;

// What a desktop entry says it starts.
struct DesktopEntryCommand {
    QString name; // Name, in the user's language where the entry has it
    QString exec; // Exec as the entry means it, key-file escapes undone
    QString icon;
};

// Reads the "Desktop Entry" group of an entry's text; none for any other text.
std::optional<DesktopEntryCommand> readDesktopEntry(const QByteArray& content);

// The Exec line with its field codes filled in: the parameters, each quoted as one word, where
// the first file or address code stands (at the end when there is none), and the icon, name and
// location. Per cent signs come out doubled, so GIO's own expansion of the line gives it back
// unchanged.
QString execWithParameters(const DesktopEntryCommand& entry, const QString& location,
                           const QStringList& parameters);

// Carries out shell requests on a Linux desktop: planShellRequest decides by what the request
// means to open and what the target is; this asks before an untrusted desktop entry runs, puts
// the parameters into the entry's command line, and sets the plan going through launcher. A
// request that cannot be carried out throws PlatformError with the message the user is told.
class DesktopShell : public platform::Shell {
  public:
    // machine: this machine's name, which file: addresses of local files may give as their host.
    DesktopShell(platform::FileSystem& files, platform::Launcher& launcher,
                 platform::LaunchQuestion& question, platform::TrustedEntries& trusted,
                 QString machine = QSysInfo::machineHostName());

    bool execute(const platform::ShellRequest& request) override;

  private:
    bool launchEntry(QWidget* owner, const LaunchDesktopEntry& entry);
    // Whether the entry may run: installed applications and the entries the user chose to
    // always launch do; any other, wherever it came from and whatever its execute bit, is
    // asked about first.
    bool mayRun(QWidget* owner, const QString& path, const QString& canonicalPath,
                const QByteArray& content);
    platform::FileSystem& files_;
    platform::Launcher& launcher_;
    platform::LaunchQuestion& question_;
    platform::TrustedEntries& trusted_;
    QString machine_;
};

} // namespace launch
