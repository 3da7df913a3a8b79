// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace store {

// A text made comparable the way a primary-strength collator compares letters: letter case,
// accents and letter width are gone ("Café" and "ＣＡＦＥ" both give "cafe", "Straße" gives
// "strasse"), so that a plain substring search of the UTF-8 result finds what the collator
// would call equal.
std::string foldForSearch(std::string_view utf8);

// True when the folded UTF-8 character before `position` does not continue a word: the start
// of the text, or anything but a letter or digit.
bool startsWord(std::string_view folded, std::size_t position);

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
