// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "launch/ShellPlan.h"

#include <QString>
#include <optional>

namespace launch {

// What the shell does with target read as an address that names no local file: a bare "www."
// host or an address with a scheme is opened when a browser is what opens it, and refused
// otherwise. None when target is no such address.
std::optional<ShellAction> planAddress(const QString& target);

// A mailto: address, handed to the desktop's mail handler unless it asks to attach a file.
ShellAction planMail(const QString& target);

// The refusal of text that is no valid address.
RefuseRequest notAnAddress(const QString& text);

} // namespace launch
