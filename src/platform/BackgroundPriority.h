// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace platform {

// The calling thread gives way to the window's thread, and to the desktop, when both want the
// processor: for work beside the window that the user does not wait on with every key. It still
// takes a processor no one else wants.
void giveWayToTheWindow();

} // namespace platform
