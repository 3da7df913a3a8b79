// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace store {

// What the finder needs of one shortcut.
struct ShortcutSummary {
    std::string category;
    std::string caption;
    std::string description;
    std::string path;
    std::int16_t kind = 0;
};

// Every shortcut of the catalogue file, in no particular order, read through a read-only
// connection of its own so that it may run on any thread. Throws StoreError.
std::vector<ShortcutSummary> readAllShortcuts(const std::string& path, const std::string& vfs);

} // namespace store
