// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

namespace platform {

// A platform service failed; what() is the message shown to the user.
class PlatformError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

} // namespace platform
