#pragma once

#include "platform/DesktopActions.h"
#include "platform/Shell.h"

#include <QString>
#include <QStringList>
#include <QUrl>
#include <variant>

namespace platform {

// Start a program directly with these arguments.
struct StartProgram {
    QString program;
    QStringList arguments;
    QString workingDirectory; // "" keeps the launcher's own
    bool operator==(const StartProgram&) const = default;
};

// Start the application a ".desktop" entry describes.
struct LaunchDesktopEntry {
    QString desktopFile;
    QStringList arguments;
    bool operator==(const LaunchDesktopEntry&) const = default;
};

// Hand an address or a local file or folder to the desktop's handler for it.
struct OpenUrl {
    QUrl url;
    QString shownAs; // how the request named it, for messages
    bool operator==(const OpenUrl&) const = default;
};

// Nothing can be started; message says why.
struct RefuseRequest {
    QString message;
    bool operator==(const RefuseRequest&) const = default;
};

using ShellAction = std::variant<StartProgram, LaunchDesktopEntry, OpenUrl, RefuseRequest>;

// Removes surrounding white space and one pair of surrounding double quotes.
QString unquoteShellText(const QString& text);

// Decides how a shell request is carried out on this desktop. Looks at the file system only
// through probe; starts nothing.
ShellAction planShellRequest(const ShellRequest& request, const FileProbe& probe);

} // namespace platform
