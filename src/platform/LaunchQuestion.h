// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace platform {

// What the user answered when asked whether a desktop entry may run.
struct LaunchAnswer {
    bool launch = false;
    bool always = false; // "Always launch this entry" was ticked
    bool operator==(const LaunchAnswer&) const = default;
};

// Asks the user before a desktop entry that is not an installed application runs.
class LaunchQuestion {
  public:
    virtual ~LaunchQuestion() = default;
    // caption: the name the entry gives itself; command: the program its Exec line starts.
    // Cancel is the default answer.
    virtual LaunchAnswer askToLaunch(QWidget* owner, const QString& caption,
                                     const QString& command) = 0;
};

} // namespace platform
