#pragma once

#include <string_view>

namespace store {

// Letter case folded for every script the catalogue is likely to hold, not only ASCII.
char32_t foldCase(char32_t c);

// Compares two UTF-8 texts ignoring letter case: <0, 0 or >0. Bytes that are not valid UTF-8
// compare as themselves.
int compareIgnoringCase(std::string_view a, std::string_view b);

} // namespace store
