// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace vsync {

// Paths under the home folder travel relative to it ("~/Documents"), so that /home/ann/Documents
// on one computer is /home/bob/Documents on the other. Anything else travels as it is.
std::string travellingPath(const std::string& path, const std::string& home);
std::string localPath(const std::string& path, const std::string& home);

} // namespace vsync
