// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ApplicationMenu.h"

#include <QFileSystemWatcher>
#include <QHash>
#include <QPointer>
#include <QString>
#include <vector>

namespace platform {

// True when the desktop entry at canonicalPath is one of the applications GIO lists from the
// XDG applications folders, the desktop's own application menu. An entry of the same name that
// another folder hides, or one that says it is hidden, is not.
bool isInstalledApplication(const QString& canonicalPath);

// Every application entry GIO lists from the XDG applications folders, with what its desktop
// entry says about it. Safe on any thread: it neither watches the folders nor keeps the list.
std::vector<DesktopApplication> readDesktopApplications();

// The desktop's menu, read through GIO.
class DesktopApplicationMenu : public ApplicationMenu {
  public:
    std::vector<DesktopApplication> applications() override { return readDesktopApplications(); }
};

// The icons of the installed applications (the desktop entries GIO lists), by the program each
// entry starts. Read when first asked and kept until a change to the applications folders.
class InstalledApplications {
  public:
    // The session's one list.
    static InstalledApplications& instance();

    // The Icon of the installed entry whose TryExec or Exec program is the program at
    // `canonicalPath` (links resolved); empty when no entry starts it.
    QString iconOf(const QString& canonicalPath);

  private:
    InstalledApplications() = default;
    void read();
    void watch(const QStringList& folders);

    struct Claim {
        QString icon;
        bool named = false; // the entry is named after the program, and so wins over the rest
    };
    QHash<QString, Claim> byProgram_;
    bool stale_ = true;
    QPointer<QFileSystemWatcher> watcher_;
};

} // namespace platform
