// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
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

// The same, as a read gives it: the texts last only until the next row is read.
struct ShortcutText {
    std::string_view category;
    std::string_view caption;
    std::string_view description;
    std::string_view path;
    std::int16_t kind = 0;
};

// Every shortcut of the catalogue file, in the table's order, read through a read-only
// connection of its own so that it may run on any thread. Throws StoreError. The table may be
// read in `parts` pieces, one a call and each on a thread of its own: part 0, 1 and so on one
// after the other hold every shortcut once, in the same order.
std::vector<ShortcutSummary> readAllShortcuts(const std::string& path, const std::string& vfs,
                                              int part = 0, int parts = 1);
// The same shortcuts handed to `take` one at a time as they are read, with no copy made. Before
// the first, `expect` (if given) learns about how many the part holds, from the span of its row
// ids: exact unless shortcuts were deleted, and never more than the file could hold.
void forEachShortcut(const std::string& path, const std::string& vfs, int part, int parts,
                     const std::function<void(const ShortcutText&)>& take,
                     const std::function<void(std::size_t rows)>& expect = {});

} // namespace store
