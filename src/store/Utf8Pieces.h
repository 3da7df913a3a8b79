// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <unicode/utf8.h>

#include <cstdint>
#include <string_view>

namespace store {

// Calls piece(bytes, wellFormed) for each character of `text` in order, and for each sequence
// of bytes that is not well-formed UTF-8: ICU reads each such sequence as one U+FFFD.
template <class Piece> void forEachUtf8Piece(std::string_view text, Piece piece) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    const auto length = static_cast<std::int32_t>(text.size());
    std::int32_t i = 0;
    while (i < length) {
        const std::int32_t start = i;
        UChar32 c = 0;
        U8_NEXT(bytes, i, length, c);
        piece(text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(i - start)),
              c >= 0);
    }
}

} // namespace store
