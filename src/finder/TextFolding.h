// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace finder {

// A text made comparable the way a primary-strength collator compares letters: letter case,
// accents and letter width are gone ("Café" and "ＣＡＦＥ" both give "cafe", "Straße" gives
// "strasse"), so that a plain substring search of the UTF-8 result finds what the collator
// would call equal.
std::string foldForSearch(std::string_view utf8);
// True when every byte is plain ASCII, whose folding is lower case alone.
bool isAscii(std::string_view utf8);
// Plain ASCII text folded: writes it in lower case to `to`, which has room for it, and returns
// true; false when it is not plain ASCII, and what was written means nothing.
bool lowerAscii(std::string_view text, char* to);
// The same folded text added to the end of `out`; true when the text was plain ASCII.
bool appendFoldedForSearch(std::string_view utf8, std::string& out);

// True when the folded UTF-8 character before `position` does not continue a word: the start
// of the text, or anything but a letter or digit.
bool startsWord(std::string_view folded, std::size_t position);

} // namespace finder
