// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/EntryTrust.h"
#include "platform/FileSystem.h"
#include "platform/Launcher.h"
#include "platform/MessageBoxes.h"
#include "platform/Shell.h"

#include <QSysInfo>

namespace platform {

// Carries out shell requests on a Linux desktop: it looks at the target through files, decides
// by what the request means to open and what the target is (see planShellRequest), and sets
// it going through launcher. A desktop entry that is not an installed application runs only
// when the user says so (see EntryTrust). A request that cannot be carried out is reported in a
// message box.
class DesktopShell : public Shell {
  public:
    // machine: this machine's name, which file: addresses of local files may give as their host.
    DesktopShell(MessageBoxes& messages, FileSystem& files, Launcher& launcher,
                 LaunchQuestion& question, TrustedEntries& trusted,
                 QString machine = QSysInfo::machineHostName());

    bool execute(const ShellRequest& request) override;

  private:
    void report(QWidget* owner, const QString& text);

    MessageBoxes& messages_;
    FileSystem& files_;
    Launcher& launcher_;
    EntryTrust trust_;
    QString machine_;
};

} // namespace platform
