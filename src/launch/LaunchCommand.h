// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/CommandContext.h"
#include "platform/MessageBoxes.h"
#include "platform/Shell.h"

namespace launch {

// Opens the selected shortcut's target through the desktop shell.
void runLaunchCommand(common::CommandContext& context);

// Has the shell carry out request. True when something was started or opened; why a request
// was refused or failed is told in a message box over its owner.
bool openThroughShell(platform::Shell& shell, platform::MessageBoxes& messages,
                      const platform::ShellRequest& request);

} // namespace launch
