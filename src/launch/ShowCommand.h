// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Shell.h"
#include "store/Codes.h"

namespace launch {

// The shell's show command for a stored window state: the state plus one. A shortcut whose
// "Open As:" was never chosen starts normally rather than hidden.
constexpr int showCommandFor(int openas) {
    return openas == store::windowstate::NoneChosen ? platform::show::Normal : openas + 1;
}

} // namespace launch
