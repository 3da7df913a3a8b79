// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FileSystem.h"
#include "platform/Shell.h"

#include <QString>
#include <QStringList>
#include <QUrl>
#include <optional>
#include <variant>

namespace launch {

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
    QString canonicalPath{};          // the file its links lead to
    std::optional<QByteArray> text{}; // as read when it was looked at; none: unreadable
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

// Why a parameter text could not be split; GLib's own explanation.
struct ParameterError {
    QString reason;
    bool operator==(const ParameterError&) const = default;
};

// Splits a parameter text into program arguments by POSIX shell quoting: single and double
// quotes group words, a backslash takes the next character literally. Nothing is expanded or
// run: $(...), ;, |, ~, * and # reach the program as the characters they are. Empty or
// white-space-only text gives no arguments; an unclosed quote is an error.
std::variant<QStringList, ParameterError> splitParameters(const QString& text);

// A refusal that tells the user text, a "Vantory" source text, with about for its %1.
RefuseRequest refusal(const char* text, const QString& about);

// Removes surrounding white space and one pair of surrounding double quotes.
QString unquoteShellText(const QString& text);

// True when the file is a program of this machine's own kind (an ELF program or library) by
// its name and by its content, and the user may execute it. Scripts are not: their execute bit
// is too easily set, on some mounts for every file.
bool isNativeProgram(const platform::FileFacts& facts);

// Decides how a shell request is carried out on this desktop, by what the request means to
// open and what the target is, never by the execute bit alone. Looks at the file system only
// through files; starts nothing. machine: this machine's name, which a file: address may give
// as its host.
ShellAction planShellRequest(const platform::ShellRequest& request, platform::FileSystem& files,
                             const QString& machine);

} // namespace launch
