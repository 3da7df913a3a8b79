// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "launch/EntryTrust.h"
#include "platform/FileSystem.h"
#include "platform/Launcher.h"
#include "platform/MessageBoxes.h"
#include "platform/Shell.h"

#include <QSysInfo>

namespace launch {

// Carries out shell requests on a Linux desktop: it looks at the target through files, decides
// by what the request means to open and what the target is (see planShellRequest), and sets
// it going through launcher. A desktop entry that is not an installed application runs only
// when the user says so (see EntryTrust). A request that cannot be carried out is reported in a
// message box.
class DesktopShell : public platform::Shell {
  public:
    // machine: this machine's name, which file: addresses of local files may give as their host.
    DesktopShell(platform::MessageBoxes& messages, platform::FileSystem& files,
                 platform::Launcher& launcher, platform::LaunchQuestion& question,
                 platform::TrustedEntries& trusted, QString machine = QSysInfo::machineHostName());

    bool execute(const platform::ShellRequest& request) override;

  private:
    void report(QWidget* owner, const QString& text);

    platform::MessageBoxes& messages_;
    platform::FileSystem& files_;
    platform::Launcher& launcher_;
    EntryTrust trust_;
    QString machine_;
};

} // namespace launch
