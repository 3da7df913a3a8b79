// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Services.h"

class QWidget;

namespace launch {

// Opens the help page that ships with the program.
void runHelpCommand(platform::Services& services, QWidget* owner);

} // namespace launch
