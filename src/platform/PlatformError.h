// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

namespace platform {

// A platform service failed; what() says why in the user's language. It is the one way a
// service of platform/ reports a failure: the interfaces say which calls throw it, and the
// command that called shows it, on its own or inside a message of its own that says what was
// being done (a launch names the program); platform/ itself shows no message box.
class PlatformError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

} // namespace platform
