#pragma once

#include "platform/DesktopActions.h"

namespace platform {

// Starts programs with QProcess, never through a command shell.
class QProcessStarter : public ProcessStarter {
  public:
    bool startDetached(const QString& program, const QStringList& args, const QString& workingDir,
                       QString* error) override;
};

// Opens addresses and local files with QDesktopServices.
class DesktopServicesUrlOpener : public UrlOpener {
  public:
    bool openUrl(const QUrl& url) override;
};

// Launches ".desktop" entries through GIO, which knows their Exec field codes, Terminal= and
// Path=.
class GioDesktopEntryLauncher : public DesktopEntryLauncher {
  public:
    bool launch(const QString& desktopFile, const QStringList& args, QString* error) override;
};

// Asks the real file system (QFileInfo) and PATH (QStandardPaths).
class SystemFileProbe : public FileProbe {
  public:
    FileKind kind(const QString& path) const override;
    QString findProgram(const QString& name) const override;
};

} // namespace platform
