#pragma once

#include "platform/Launcher.h"

namespace platform {

// Programs start with QProcess, never through a command shell; addresses and files open with
// QDesktopServices; ".desktop" entries launch through GIO, which knows their Exec field codes,
// Terminal= and Path=.
class DesktopLauncher : public Launcher {
  public:
    bool startProgram(const QString& program, const QStringList& args, const QString& workingDir,
                      QString* error) override;
    bool openUrl(const QUrl& url) override;
    bool launchDesktopEntry(const QString& desktopFile, const QStringList& args,
                            QString* error) override;
};

} // namespace platform
