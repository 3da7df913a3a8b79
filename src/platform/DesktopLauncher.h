// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Launcher.h"

namespace platform {

// Programs start with QProcess, never through a command shell; addresses and files open with
// QDesktopServices; ".desktop" entries launch through GIO, which knows Terminal= and Path=,
// with the command line they are given in place of their Exec line.
class DesktopLauncher : public Launcher {
  public:
    void startProgram(const QString& program, const QStringList& args,
                      const QString& workingDir) override;
    void openUrl(const QUrl& url) override;
    void launchDesktopEntry(const QByteArray& content, const QString& commandLine) override;
};

} // namespace platform
