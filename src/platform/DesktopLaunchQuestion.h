// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/LaunchQuestion.h"

namespace platform {

// The question as a small dialog: what the entry is, the command it starts in a read-only field
// of bounded height that scrolls (an Exec of hundreds of lines leaves the buttons on the
// screen), "Launch" and "Cancel" and an "Always launch this entry" check box.
class DesktopLaunchQuestion : public LaunchQuestion {
  public:
    LaunchAnswer askToLaunch(QWidget* owner, const QString& caption,
                             const QString& command) override;
};

} // namespace platform
