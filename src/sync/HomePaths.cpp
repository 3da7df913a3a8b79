// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/HomePaths.h"

namespace vsync {

namespace {

// A home of "/" (or none) would make every path home-relative: such a home is not used.
bool usable(const std::string& home) {
    return home.size() > 1 && home.front() == '/';
}

std::string withoutTrailingSlash(std::string home) {
    while (home.size() > 1 && home.back() == '/') {
        home.pop_back();
    }
    return home;
}

} // namespace

std::string travellingPath(const std::string& path, const std::string& home) {
    const std::string base = withoutTrailingSlash(home);
    if (!usable(base)) {
        return path;
    }
    if (path == base) {
        return "~";
    }
    if (path.size() > base.size() && path.compare(0, base.size(), base) == 0 &&
        path[base.size()] == '/') {
        return "~" + path.substr(base.size());
    }
    return path;
}

std::string localPath(const std::string& path, const std::string& home) {
    const std::string base = withoutTrailingSlash(home);
    if (!usable(base)) {
        return path;
    }
    if (path == "~") {
        return base;
    }
    if (path.size() > 1 && path[0] == '~' && path[1] == '/') {
        return base + path.substr(1);
    }
    return path;
}

} // namespace vsync
