// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Shell.h"
#include "store/Codes.h"

#include <cstdint>

namespace launch {

// What the shell is asked to open for a stored shortcut kind. A kind the program does not know
// is launched like a web address, as it always was, and so never starts a program.
constexpr platform::ShellTarget targetForKind(std::int16_t kind) {
    switch (kind) {
    case store::kind::Folder:
        return platform::ShellTarget::Folder;
    case store::kind::Application:
        return platform::ShellTarget::Application;
    case store::kind::Email:
        return platform::ShellTarget::EmailAddress;
    case store::kind::ShellFile:
        return platform::ShellTarget::ShellFile;
    default:
        return platform::ShellTarget::WebAddress;
    }
}

} // namespace launch
