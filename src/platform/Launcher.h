// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QUrl;

namespace platform {

// The three ways the desktop shell sets something going. The shell decides which one a request
// needs; this only carries the decision out, so the decisions can be checked without starting
// anything.
class Launcher {
  public:
    virtual ~Launcher() = default;
    // Starts a program directly, without a command shell in between. An empty workingDir keeps
    // the launcher's own. On failure returns false and, when error is given, says why.
    virtual bool startProgram(const QString& program, const QStringList& args,
                              const QString& workingDir, QString* error) = 0;
    // Hands an address or a local file or folder to the application the desktop has chosen
    // for it.
    virtual bool openUrl(const QUrl& url) = 0;
    // Starts the application a freedesktop.org ".desktop" entry describes, from content, the
    // entry's text as it was read from desktopFile; args reach the program as they are. On
    // failure returns false and, when error is given, says why.
    virtual bool launchDesktopEntry(const QString& desktopFile, const QByteArray& content,
                                    const QStringList& args, QString* error) = 0;
};

} // namespace platform
