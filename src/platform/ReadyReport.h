// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace platform {

// For timing the program from outside: when the environment variable VANTORY_REPORT_READY is
// set, prints "ready <ns>" on standard output once the window is on screen and the event loop
// has nothing left to do, then "closing <ns>" and closes the window; set to "open", it prints
// "ready <ns>" alone and leaves the window open. The times are of the monotonic clock, which
// every process on the machine shares. Does nothing otherwise.
void reportWhenReady(QWidget* window);

// With VANTORY_REPORT_READY set to "open": prints "shown <ns>" once `panel`, just asked to
// show, has been painted and the event loop has nothing left to do, then closes the panel, so
// that the next request shows it afresh. Does nothing otherwise.
void reportWhenShown(QWidget* panel);

} // namespace platform
