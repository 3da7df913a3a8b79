// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/CommandContext.h"
#include "installed/ApplicationFiling.h"

namespace platform {
class Environment;
}

namespace installed {

// Vantory's own desktop id.
inline constexpr char kOwnDesktopId[] = "org.mellovan.Vantory.desktop";

// The menu's rules on this desktop: XDG_CURRENT_DESKTOP, and Vantory's own entry.
MenuRules menuRulesOf(platform::Environment& environment);

// "Add Installed Applications…": reads the desktop's menu beside the window, lets the user
// choose its categories in a dialog, and adds the chosen ones' new applications in one step,
// after a backup. The tree then shows the catalogue from its root.
void addInstalledApplications(common::CommandContext& context);

} // namespace installed
