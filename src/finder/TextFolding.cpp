// SPDX-License-Identifier: GPL-3.0-or-later
#include "finder/TextFolding.h"

#include <unicode/uchar.h>
#include <unicode/unorm2.h>
#include <unicode/ustring.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace finder {

namespace {

// Converts between UTF-8 and UTF-16 with ICU, malformed input becoming U+FFFD. `Out` has room
// for the longest result: a UTF-16 unit per UTF-8 byte, three UTF-8 bytes per UTF-16 unit.
template <class Out, class In, class Convert>
Out converted(const In& text, std::size_t room, Convert convert) {
    Out out(room, typename Out::value_type{});
    UErrorCode status = U_ZERO_ERROR;
    int32_t length = 0;
    convert(out.data(), static_cast<int32_t>(out.size()), &length, text.data(),
            static_cast<int32_t>(text.size()), 0xFFFD, nullptr, &status);
    out.resize(U_SUCCESS(status) ? static_cast<std::size_t>(length) : 0);
    return out;
}

std::u16string toUtf16(std::string_view utf8) {
    return converted<std::u16string>(utf8, utf8.size(), u_strFromUTF8WithSub);
}

std::string toUtf8(const std::u16string& text) {
    return converted<std::string>(text, text.size() * 3, u_strToUTF8WithSub);
}

std::u16string normalized(const UNormalizer2* form, const std::u16string& text) {
    UErrorCode status = U_ZERO_ERROR;
    std::u16string out(text.size() * 2 + 8, u'\0');
    int32_t length = unorm2_normalize(form, text.data(), static_cast<int32_t>(text.size()),
                                      out.data(), static_cast<int32_t>(out.size()), &status);
    if (status == U_BUFFER_OVERFLOW_ERROR) {
        status = U_ZERO_ERROR;
        out.resize(static_cast<std::size_t>(length));
        length = unorm2_normalize(form, text.data(), static_cast<int32_t>(text.size()), out.data(),
                                  length, &status);
    }
    out.resize(U_SUCCESS(status) ? static_cast<std::size_t>(length) : 0);
    return out;
}

} // namespace

bool isAscii(std::string_view utf8) {
    return std::all_of(utf8.begin(), utf8.end(), [](char c) { return (c & 0x80) == 0; });
}

std::string foldForSearch(std::string_view utf8) {
    std::string out;
    appendFoldedForSearch(utf8, out);
    return out;
}

bool lowerAscii(std::string_view text, char* to) {
    // Eight bytes at a time: each byte's top bit tells whether it is 'A' or above, and whether it
    // is above 'Z'.
    constexpr std::uint64_t kOnes = 0x0101010101010101U;
    constexpr std::uint64_t kHigh = 0x80 * kOnes;
    std::uint64_t high = 0;
    const auto lower = [&high](std::uint64_t bytes) {
        high |= bytes;
        const std::uint64_t seven = bytes & ~kHigh;
        const std::uint64_t fromA = seven + (0x80 - 'A') * kOnes;
        const std::uint64_t pastZ = seven + (0x7F - 'Z') * kOnes;
        return bytes | ((fromA & ~pastZ & ~bytes & kHigh) >> 2);
    };
    const char* from = text.data();
    std::size_t left = text.size();
    for (; left >= 8; left -= 8, from += 8, to += 8) {
        std::uint64_t bytes = 0;
        std::memcpy(&bytes, from, 8);
        bytes = lower(bytes);
        std::memcpy(to, &bytes, 8);
    }
    // The last few one at a time: a copy of a length not known here would be a call of its own.
    for (; left > 0; --left, ++from, ++to) {
        const auto byte = static_cast<unsigned char>(*from);
        high |= byte;
        *to =
            static_cast<char>(static_cast<unsigned>(byte - 'A') < 26U ? byte + ('a' - 'A') : byte);
    }
    return (high & kHigh) == 0;
}

bool appendFoldedForSearch(std::string_view utf8, std::string& out) {
    // Most names are plain ASCII: lower case alone.
    const std::size_t start = out.size();
    out.resize(start + utf8.size());
    if (lowerAscii(utf8, out.data() + start)) {
        return true;
    }
    out.resize(start);
    UErrorCode status = U_ZERO_ERROR;
    const UNormalizer2* decompose = unorm2_getNFDInstance(&status);
    const UNormalizer2* caseless = unorm2_getNFKCCasefoldInstance(&status);
    if (U_FAILURE(status)) {
        out.append(utf8);
        return false;
    }
    // Accents come apart from their letters and are dropped; then width, case and compatibility
    // forms fold in one step.
    std::u16string bare = normalized(decompose, toUtf16(utf8));
    std::erase_if(bare, [](char16_t c) { return u_charType(c) == U_NON_SPACING_MARK; });
    out += toUtf8(normalized(caseless, bare));
    return false;
}

bool startsWord(std::string_view folded, std::size_t position) {
    if (position == 0) {
        return true;
    }
    UChar32 before = 0;
    auto at = static_cast<int32_t>(position);
    U8_PREV(reinterpret_cast<const uint8_t*>(folded.data()), 0, at, before);
    return before < 0 || !u_isalnum(before);
}

} // namespace finder
