// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Environment.h"

#include <QString>

namespace launch {

// The address of the help page shipped beside the program.
QString helpPageAddress(platform::Environment& env);

// The folder the help page is opened from: the top of the file system.
QString rootFolder();

} // namespace launch
