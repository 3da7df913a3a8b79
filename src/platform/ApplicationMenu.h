// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace platform {

// One application of the desktop's menu, as its desktop entry describes it. Nothing is decided
// here: which entries the user gets is the caller's rule.
struct DesktopApplication {
    QString id;      // the desktop id, "org.example.Editor.desktop"
    QString file;    // the entry's file
    QString name;    // Name, in the user's language
    QString comment; // Comment, in the user's language; "" when none
    QStringList categories;
    QStringList onlyShowIn;
    QStringList notShowIn;
    QString program;          // the program its Exec line starts, as written there
    QString tryExec;          // TryExec as written; "" when none
    bool tryExecFound = true; // TryExec names a program that is there (or there is none)
    bool noDisplay = false;
    bool hidden = false;
};

// The applications the desktop's menu is made from.
class ApplicationMenu {
  public:
    virtual ~ApplicationMenu() = default;
    // Every application entry of the XDG applications folders, the first of each desktop id.
    // Reads hundreds of files: callers run it off the window's thread, which it is safe for.
    virtual std::vector<DesktopApplication> applications() = 0;
};

} // namespace platform
