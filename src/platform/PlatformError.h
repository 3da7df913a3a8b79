// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

namespace platform {

// A platform service failed; what() is the message shown to the user. It is the one way a
// service of platform/ reports a failure: the interfaces say which calls throw it, and the caller
// (a command's error trap) shows it; platform/ itself shows no message box.
class PlatformError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

} // namespace platform
