// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace platform {

// An activation token of the program's own from the Wayland compositor, tied to no key or click
// (xdg-activation-v1 over a connection of its own), or "" when none comes within a second.
// Activating a window with it is a request for attention: compositors mark the window (sway's
// default, GNOME, KDE) rather than hand it the focus. Qt 6.4 draws no alert under Wayland, and
// the token it asks for itself carries the last input's serial, which a compositor refuses from
// a window that has not the focus.
QString attentionToken();

} // namespace platform
