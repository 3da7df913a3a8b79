// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QUrl;

namespace platform {

// The three ways the desktop sets something going. The launch rules decide which one a shortcut
// needs and with which command line; this only carries the decision out, so the decisions can be
// checked without starting anything. Each call throws PlatformError when nothing was set going; its
// what() says why in the user's language, or is empty when the desktop gives no reason.
class Launcher {
  public:
    virtual ~Launcher() = default;
    // Starts a program directly, without a command shell in between. An empty workingDir keeps
    // the launcher's own.
    virtual void startProgram(const QString& program, const QStringList& args,
                              const QString& workingDir) = 0;
    // Hands an address or a local file or folder to the application the desktop has chosen
    // for it.
    virtual void openUrl(const QUrl& url) = 0;
    // Starts the application a freedesktop.org ".desktop" entry describes, from content, the
    // entry's text as it was checked, with commandLine, finished by the launch rules, in place
    // of its Exec line.
    virtual void launchDesktopEntry(const QByteArray& content, const QString& commandLine) = 0;
};

} // namespace platform
