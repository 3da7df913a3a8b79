#pragma once

#include <QString>
#include <QStringList>

class QUrl;

namespace platform {

// The few things the desktop shell asks of the desktop. Each is a small seam so the shell's
// decisions can be checked without starting anything.

// Starts a program directly, without a command shell in between.
class ProcessStarter {
  public:
    virtual ~ProcessStarter() = default;
    // An empty workingDir keeps the launcher's own working directory.
    // On failure returns false and, when error is given, says why.
    virtual bool startDetached(const QString& program, const QStringList& args,
                               const QString& workingDir, QString* error) = 0;
};

// Hands an address or a local file to the application the desktop has chosen for it.
class UrlOpener {
  public:
    virtual ~UrlOpener() = default;
    virtual bool openUrl(const QUrl& url) = 0;
};

// Starts the application a freedesktop.org ".desktop" entry describes.
class DesktopEntryLauncher {
  public:
    virtual ~DesktopEntryLauncher() = default;
    // args are file names or URIs handed to the application.
    // On failure returns false and, when error is given, says why.
    virtual bool launch(const QString& desktopFile, const QStringList& args, QString* error) = 0;
};

enum class FileKind { Missing, Folder, Document, Executable };

// What the file system holds under a name.
class FileProbe {
  public:
    virtual ~FileProbe() = default;
    // Follows symbolic links; a dangling link is Missing. Executable means a regular file the
    // user may execute; a folder is never Executable.
    virtual FileKind kind(const QString& path) const = 0;
    // The full path of a program found through PATH, "" when there is none.
    virtual QString findProgram(const QString& name) const = 0;
};

} // namespace platform
