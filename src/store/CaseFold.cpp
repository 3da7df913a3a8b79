#include "store/CaseFold.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace store {

namespace {

// A run of code points that fold by adding delta. With step 2 only every other code point of the
// run folds (the capitals of alternating capital/small pairs); the ones in between are already
// small letters.
struct FoldRange {
    char32_t first;
    char32_t last;
    std::int32_t delta;
    std::uint8_t step;
};

constexpr std::int32_t to(char32_t lower, char32_t upper) {
    return static_cast<std::int32_t>(lower) - static_cast<std::int32_t>(upper);
}

// Sorted by first; runs never overlap. Small letters, and letters without a case, are absent.
constexpr FoldRange kFolds[] = {
    // Basic Latin and Latin-1 Supplement.
    {0x0041, 0x005A, 32, 1},
    {0x00B5, 0x00B5, to(0x03BC, 0x00B5), 1}, // micro sign folds with Greek mu
    {0x00C0, 0x00D6, 32, 1},
    {0x00D8, 0x00DE, 32, 1}, // U+00D7 is the multiplication sign
    // Latin Extended-A: pairs, broken by the dotted and dotless i and a few odd letters.
    {0x0100, 0x012E, 1, 2},
    {0x0130, 0x0130, to(0x0069, 0x0130), 1}, // capital I with dot folds to plain i
    {0x0132, 0x0136, 1, 2},                  // U+0131 dotless i stays itself
    {0x0139, 0x0147, 1, 2},
    {0x014A, 0x0176, 1, 2},
    {0x0178, 0x0178, to(0x00FF, 0x0178), 1}, // capital Y with diaeresis pairs with U+00FF
    {0x0179, 0x017D, 1, 2},
    {0x017F, 0x017F, to(0x0073, 0x017F), 1}, // long s
    // Latin Extended-B: mostly irregular.
    {0x0181, 0x0181, to(0x0253, 0x0181), 1},
    {0x0182, 0x0184, 1, 2},
    {0x0186, 0x0186, to(0x0254, 0x0186), 1},
    {0x0187, 0x0187, 1, 1},
    {0x0189, 0x018A, to(0x0256, 0x0189), 1},
    {0x018B, 0x018B, 1, 1},
    {0x018E, 0x018E, to(0x01DD, 0x018E), 1},
    {0x018F, 0x018F, to(0x0259, 0x018F), 1},
    {0x0190, 0x0190, to(0x025B, 0x0190), 1},
    {0x0191, 0x0191, 1, 1},
    {0x0193, 0x0193, to(0x0260, 0x0193), 1},
    {0x0194, 0x0194, to(0x0263, 0x0194), 1},
    {0x0196, 0x0196, to(0x0269, 0x0196), 1},
    {0x0197, 0x0197, to(0x0268, 0x0197), 1},
    {0x0198, 0x0198, 1, 1},
    {0x019C, 0x019C, to(0x026F, 0x019C), 1},
    {0x019D, 0x019D, to(0x0272, 0x019D), 1},
    {0x019F, 0x019F, to(0x0275, 0x019F), 1},
    {0x01A0, 0x01A4, 1, 2},
    {0x01A6, 0x01A6, to(0x0280, 0x01A6), 1},
    {0x01A7, 0x01A7, 1, 1},
    {0x01A9, 0x01A9, to(0x0283, 0x01A9), 1},
    {0x01AC, 0x01AC, 1, 1},
    {0x01AE, 0x01AE, to(0x0288, 0x01AE), 1},
    {0x01AF, 0x01AF, 1, 1},
    {0x01B1, 0x01B2, to(0x028A, 0x01B1), 1},
    {0x01B3, 0x01B5, 1, 2},
    {0x01B7, 0x01B7, to(0x0292, 0x01B7), 1},
    {0x01B8, 0x01B8, 1, 1},
    {0x01BC, 0x01BC, 1, 1},
    {0x01C4, 0x01C4, 2, 1}, // DZ with caron: capital, title case and small
    {0x01C5, 0x01C5, 1, 1},
    {0x01C7, 0x01C7, 2, 1}, // LJ
    {0x01C8, 0x01C8, 1, 1},
    {0x01CA, 0x01CA, 2, 1}, // NJ
    {0x01CB, 0x01DB, 1, 2},
    {0x01DE, 0x01EE, 1, 2},
    {0x01F1, 0x01F1, 2, 1}, // DZ
    {0x01F2, 0x01F4, 1, 2},
    {0x01F6, 0x01F6, to(0x0195, 0x01F6), 1},
    {0x01F7, 0x01F7, to(0x01BF, 0x01F7), 1},
    {0x01F8, 0x021E, 1, 2},
    {0x0220, 0x0220, to(0x019E, 0x0220), 1},
    {0x0222, 0x0232, 1, 2},
    {0x023A, 0x023A, to(0x2C65, 0x023A), 1},
    {0x023B, 0x023B, 1, 1},
    {0x023D, 0x023D, to(0x019A, 0x023D), 1},
    {0x023E, 0x023E, to(0x2C66, 0x023E), 1},
    {0x0241, 0x0241, 1, 1},
    {0x0243, 0x0243, to(0x0180, 0x0243), 1},
    {0x0244, 0x0244, to(0x0289, 0x0244), 1},
    {0x0245, 0x0245, to(0x028C, 0x0245), 1},
    {0x0246, 0x024E, 1, 2},
    // Greek and Coptic.
    {0x0345, 0x0345, to(0x03B9, 0x0345), 1}, // combining iota subscript
    {0x0370, 0x0372, 1, 2},
    {0x0376, 0x0376, 1, 1},
    {0x037F, 0x037F, to(0x03F3, 0x037F), 1},
    {0x0386, 0x0386, to(0x03AC, 0x0386), 1},
    {0x0388, 0x038A, to(0x03AD, 0x0388), 1},
    {0x038C, 0x038C, to(0x03CC, 0x038C), 1},
    {0x038E, 0x038F, to(0x03CD, 0x038E), 1},
    {0x0391, 0x03A1, 32, 1},
    {0x03A3, 0x03AB, 32, 1},
    {0x03C2, 0x03C2, 1, 1}, // final sigma folds with sigma
    {0x03CF, 0x03CF, to(0x03D7, 0x03CF), 1},
    {0x03D0, 0x03D0, to(0x03B2, 0x03D0), 1},
    {0x03D1, 0x03D1, to(0x03B8, 0x03D1), 1},
    {0x03D5, 0x03D5, to(0x03C6, 0x03D5), 1},
    {0x03D6, 0x03D6, to(0x03C0, 0x03D6), 1},
    {0x03D8, 0x03EE, 1, 2},
    {0x03F0, 0x03F0, to(0x03BA, 0x03F0), 1},
    {0x03F1, 0x03F1, to(0x03C1, 0x03F1), 1},
    {0x03F4, 0x03F4, to(0x03B8, 0x03F4), 1},
    {0x03F5, 0x03F5, to(0x03B5, 0x03F5), 1},
    {0x03F7, 0x03F7, 1, 1},
    {0x03F9, 0x03F9, to(0x03F2, 0x03F9), 1},
    {0x03FA, 0x03FA, 1, 1},
    {0x03FD, 0x03FF, to(0x037B, 0x03FD), 1},
    // Cyrillic and Cyrillic Supplement.
    {0x0400, 0x040F, 0x50, 1},
    {0x0410, 0x042F, 0x20, 1},
    {0x0460, 0x0480, 1, 2},
    {0x048A, 0x04BE, 1, 2},
    {0x04C0, 0x04C0, to(0x04CF, 0x04C0), 1},
    {0x04C1, 0x04CD, 1, 2},
    {0x04D0, 0x052E, 1, 2},
    // Armenian.
    {0x0531, 0x0556, 0x30, 1},
    // Georgian.
    {0x10A0, 0x10C5, to(0x2D00, 0x10A0), 1},
    {0x10C7, 0x10C7, to(0x2D27, 0x10C7), 1},
    {0x10CD, 0x10CD, to(0x2D2D, 0x10CD), 1},
    // Latin Extended Additional.
    {0x1E00, 0x1E94, 1, 2},
    {0x1E9B, 0x1E9B, to(0x1E61, 0x1E9B), 1},
    {0x1E9E, 0x1E9E, to(0x00DF, 0x1E9E), 1}, // capital sharp s
    {0x1EA0, 0x1EFE, 1, 2},
    // Greek Extended: letters with breathings and accents.
    {0x1F08, 0x1F0F, -8, 1},
    {0x1F18, 0x1F1D, -8, 1},
    {0x1F28, 0x1F2F, -8, 1},
    {0x1F38, 0x1F3F, -8, 1},
    {0x1F48, 0x1F4D, -8, 1},
    {0x1F59, 0x1F5F, -8, 2},
    {0x1F68, 0x1F6F, -8, 1},
    {0x1F88, 0x1F8F, -8, 1},
    {0x1F98, 0x1F9F, -8, 1},
    {0x1FA8, 0x1FAF, -8, 1},
    {0x1FB8, 0x1FB9, -8, 1},
    {0x1FBA, 0x1FBB, to(0x1F70, 0x1FBA), 1},
    {0x1FBC, 0x1FBC, -9, 1},
    {0x1FBE, 0x1FBE, to(0x03B9, 0x1FBE), 1},
    {0x1FC8, 0x1FCB, to(0x1F72, 0x1FC8), 1},
    {0x1FCC, 0x1FCC, -9, 1},
    {0x1FD8, 0x1FD9, -8, 1},
    {0x1FDA, 0x1FDB, to(0x1F76, 0x1FDA), 1},
    {0x1FE8, 0x1FE9, -8, 1},
    {0x1FEA, 0x1FEB, to(0x1F7A, 0x1FEA), 1},
    {0x1FEC, 0x1FEC, -7, 1},
    {0x1FF8, 0x1FF9, to(0x1F78, 0x1FF8), 1},
    {0x1FFA, 0x1FFB, to(0x1F7C, 0x1FFA), 1},
    {0x1FFC, 0x1FFC, -9, 1},
    // Letterlike symbols, Roman numerals and circled letters.
    {0x2126, 0x2126, to(0x03C9, 0x2126), 1}, // ohm sign
    {0x212A, 0x212A, to(0x006B, 0x212A), 1}, // kelvin sign
    {0x212B, 0x212B, to(0x00E5, 0x212B), 1}, // angstrom sign
    {0x2132, 0x2132, to(0x214E, 0x2132), 1},
    {0x2160, 0x216F, 16, 1},
    {0x2183, 0x2183, 1, 1},
    {0x24B6, 0x24CF, 26, 1},
    // Fullwidth Latin capitals.
    {0xFF21, 0xFF3A, 32, 1},
};

constexpr bool tableIsOrdered() {
    for (std::size_t i = 0; i < std::size(kFolds); ++i) {
        if (kFolds[i].first > kFolds[i].last) {
            return false;
        }
        if (i > 0 && kFolds[i - 1].last >= kFolds[i].first) {
            return false;
        }
    }
    return true;
}
static_assert(tableIsOrdered(), "fold runs must be sorted and disjoint");

// Invalid bytes decode to values past the last code point, so they never equal a character and
// always compare by their byte value.
constexpr char32_t kInvalidByteBase = 0x110000;

// Decodes one character from s at pos and advances pos. A byte that does not start a well-formed
// UTF-8 sequence (overlong, surrogate, beyond U+10FFFF or cut short) is consumed on its own.
char32_t decode(std::string_view s, std::size_t& pos) {
    const auto b0 = static_cast<unsigned char>(s[pos]);
    if (b0 < 0x80) {
        ++pos;
        return b0;
    }
    std::size_t length = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        length = 2;
        cp = b0 & 0x1F;
        minimum = 0x80;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        length = 3;
        cp = b0 & 0x0F;
        minimum = 0x800;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        length = 4;
        cp = b0 & 0x07;
        minimum = 0x10000;
    }
    if (length == 0 || pos + length > s.size()) {
        ++pos;
        return kInvalidByteBase + b0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto b = static_cast<unsigned char>(s[pos + i]);
        if ((b & 0xC0) != 0x80) {
            ++pos;
            return kInvalidByteBase + b0;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++pos;
        return kInvalidByteBase + b0;
    }
    pos += length;
    return cp;
}

} // namespace

char32_t foldCase(char32_t c) {
    if (c < 0x80) {
        return (c >= U'A' && c <= U'Z') ? c + 0x20 : c;
    }
    const auto* next = std::upper_bound(std::begin(kFolds), std::end(kFolds), c,
                                        [](char32_t v, const FoldRange& r) { return v < r.first; });
    if (next == std::begin(kFolds)) {
        return c;
    }
    const FoldRange& r = *(next - 1);
    if (c > r.last || (c - r.first) % r.step != 0) {
        return c;
    }
    return static_cast<char32_t>(static_cast<std::int32_t>(c) + r.delta);
}

int compareIgnoringCase(std::string_view a, std::string_view b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        const char32_t ca = foldCase(decode(a, i));
        const char32_t cb = foldCase(decode(b, j));
        if (ca != cb) {
            return ca < cb ? -1 : 1;
        }
    }
    if (i < a.size()) {
        return 1;
    }
    if (j < b.size()) {
        return -1;
    }
    return 0;
}

} // namespace store
