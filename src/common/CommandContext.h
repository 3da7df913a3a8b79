// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/Globals.h"
#include "common/MainWindow.h"
#include "platform/Services.h"

namespace common {

// Everything a command of the main window works with.
struct CommandContext {
    platform::Services& services;
    Globals& globals;
    MainWindow& window;
};

} // namespace common
