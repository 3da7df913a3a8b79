// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/CommandContext.h"

namespace launch {

// Opens the selected shortcut's target through the desktop shell.
void runLaunchCommand(common::CommandContext& context);

} // namespace launch
