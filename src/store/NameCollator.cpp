// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/NameCollator.h"

#include "store/StoreError.h"
#include "store/Utf8Pieces.h"

#include <unicode/ucol.h>
#include <unicode/uset.h>
#include <unicode/ustring.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <vector>

namespace store {

namespace {

std::string posixToIcu(std::string name) {
    const auto cut = name.find_first_of(".@");
    if (cut != std::string::npos) {
        name.erase(cut);
    }
    if (name == "C" || name == "POSIX") {
        return "";
    }
    return name;
}

// The bytes of s that do not form well-formed UTF-8, in order. ICU reads each such sequence as
// U+FFFD, so two texts that differ only there look equal to the collator.
std::string malformedBytes(std::string_view s) {
    std::string out;
    forEachUtf8Piece(s, [&out](std::string_view piece, bool wellFormed) {
        if (!wellFormed) {
            out.append(piece);
        }
    });
    return out;
}

int sign(int value) {
    return value < 0 ? -1 : (value == 0 ? 0 : 1);
}

} // namespace

NameCollator::NameCollator(const std::string& locale) {
    UErrorCode status = U_ZERO_ERROR;
    const std::string icuLocale = posixToIcu(locale);
    collator_ = ucol_open(icuLocale.c_str(), &status);
    if (U_FAILURE(status)) {
        ucol_close(collator_);
        status = U_ZERO_ERROR;
        collator_ = ucol_open("", &status);
    }
    if (U_FAILURE(status) || collator_ == nullptr) {
        ucol_close(collator_);
        collator_ = nullptr;
        throw StoreError(std::string("The rules for comparing names cannot be loaded: ") +
                         u_errorName(status) + ".");
    }
    // Secondary strength: base letters and accents count, letter case and width do not.
    ucol_setStrength(collator_, UCOL_SECONDARY);
    ucol_setAttribute(collator_, UCOL_NORMALIZATION_MODE, UCOL_ON, &status);
    if (U_FAILURE(status)) {
        ucol_close(collator_);
        collator_ = nullptr;
        throw StoreError(std::string("The rules for comparing names cannot be set up: ") +
                         u_errorName(status) + ".");
    }
}

NameCollator::~NameCollator() {
    ucol_close(collator_);
}

int NameCollator::compare(std::string_view a, std::string_view b) const {
    // Texts too long for ICU's lengths (never from SQLite, whose lengths are ints) compare as
    // bytes.
    constexpr auto kMax = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());
    if (a.size() > kMax || b.size() > kMax) {
        return sign(a.compare(b));
    }
    UErrorCode status = U_ZERO_ERROR;
    const UCollationResult result =
        ucol_strcollUTF8(collator_, a.data(), static_cast<std::int32_t>(a.size()), b.data(),
                         static_cast<std::int32_t>(b.size()), &status);
    if (U_FAILURE(status)) {
        return sign(a.compare(b));
    }
    if (result != UCOL_EQUAL) {
        return result == UCOL_LESS ? -1 : 1;
    }
    if (a == b) {
        return 0;
    }
    return sign(malformedBytes(a).compare(malformedBytes(b)));
}

std::string NameCollator::sortKey(std::string_view utf8) const {
    std::string key;
    appendSortKey(utf8, key);
    return key;
}

void NameCollator::appendSortKey(std::string_view utf8, std::string& keys) const {
    // Most names fit the buffer on the stack: UTF-16 never needs more units than UTF-8 bytes.
    std::array<char16_t, 256> small{};
    std::u16string large;
    char16_t* text = small.data();
    if (utf8.size() > small.size()) {
        large.resize(utf8.size());
        text = large.data();
    }
    UErrorCode status = U_ZERO_ERROR;
    std::int32_t length = 0;
    u_strFromUTF8WithSub(text, static_cast<std::int32_t>(std::max(utf8.size(), small.size())),
                         &length, utf8.data(), static_cast<std::int32_t>(utf8.size()), 0xFFFD,
                         nullptr, &status);
    if (U_FAILURE(status)) {
        keys.append(utf8);
        return;
    }
    const std::size_t start = keys.size();
    std::size_t room = static_cast<std::size_t>(length) * 4 + 16;
    for (;;) {
        keys.resize(start + room);
        const std::int32_t needed =
            ucol_getSortKey(collator_, text, length, reinterpret_cast<std::uint8_t*>(&keys[start]),
                            static_cast<std::int32_t>(room));
        if (needed <= static_cast<std::int32_t>(room)) {
            keys.resize(start + (needed > 0 ? static_cast<std::size_t>(needed) - 1 : 0)); // no NUL
            return;
        }
        room = static_cast<std::size_t>(needed);
    }
}

bool NameCollator::simple(std::string_view text) const {
    const Places& table = places();
    return std::all_of(text.begin(), text.end(), [&table](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < table.size() && table[byte] != 0;
    });
}

int NameCollator::compareSimple(std::string_view a, std::string_view b) const {
    // simple() has made the table. Names mostly share a start, byte for byte.
    const std::size_t common = std::min(a.size(), b.size());
    std::size_t i = 0;
    // Eight bytes at a time up to the word that differs, then byte by byte.
    for (; i + 8 <= common; i += 8) {
        std::uint64_t first = 0;
        std::uint64_t second = 0;
        std::memcpy(&first, a.data() + i, 8);
        std::memcpy(&second, b.data() + i, 8);
        if (first != second) {
            break;
        }
    }
    while (i < common && a[i] == b[i]) {
        ++i;
    }
    for (; i < common; ++i) {
        const std::uint8_t first = places_[static_cast<unsigned char>(a[i])];
        const std::uint8_t second = places_[static_cast<unsigned char>(b[i])];
        if (first != second) {
            return first < second ? -1 : 1;
        }
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

void NameCollator::appendSimpleKey(std::string_view text, std::string& keys) const {
    const Places& table = places();
    for (const char c : text) {
        keys.push_back(static_cast<char>(table[static_cast<unsigned char>(c)]));
    }
}

const NameCollator::Places& NameCollator::places() const {
    // Asked once a name: the flag alone is quicker than a call to std::call_once.
    if (!placesReady_.load(std::memory_order_acquire)) {
        std::call_once(placesMade_, [this] {
            places_ = makePlaces();
            placesReady_.store(true, std::memory_order_release);
        });
    }
    return places_;
}

NameCollator::Places NameCollator::makePlaces() const {
    Places places{};
    // Character by character is the collator's order only where each character has one primary
    // weight and the same secondary one, and nothing makes punctuation, case or digit runs count
    // otherwise.
    UErrorCode status = U_ZERO_ERROR;
    const bool plainRules =
        ucol_getStrength(collator_) == UCOL_SECONDARY &&
        ucol_getAttribute(collator_, UCOL_ALTERNATE_HANDLING, &status) == UCOL_NON_IGNORABLE &&
        ucol_getAttribute(collator_, UCOL_CASE_LEVEL, &status) == UCOL_OFF &&
        ucol_getAttribute(collator_, UCOL_NUMERIC_COLLATION, &status) == UCOL_OFF;
    if (U_FAILURE(status) || !plainRules) {
        return places;
    }
    // Each character alone has one primary weight and the common secondary one in the root
    // order. Its key shows the weights; that they are one is the root order's own (the
    // collator's element iterator, which would tell, costs as much as reading the catalogue).
    std::array<bool, 128> alone{};
    std::string common;
    for (char c = 0x20; c < 0x7f; ++c) {
        const std::string key = sortKey(std::string_view(&c, 1));
        const std::size_t level = key.find('\x01');
        const std::string secondary = level == std::string::npos ? "" : key.substr(level);
        if (common.empty()) {
            common = secondary;
        }
        alone[static_cast<std::size_t>(c)] = level > 0 && !secondary.empty() && secondary == common;
    }
    // Characters that join others into one letter ("ch" in Czech, "aa" in Danish) do so by the
    // rules of a language, never of the root order: those are left out. Asking for every joining
    // the collator knows costs as much as reading the catalogue.
    const std::unique_ptr<USet, void (*)(USet*)> tailored(ucol_getTailoredSet(collator_, &status),
                                                          uset_close);
    if (U_FAILURE(status)) {
        return places;
    }
    for (std::int32_t item = 0; item < uset_getItemCount(tailored.get()); ++item) {
        std::array<UChar, 64> text{};
        UChar32 from = 0;
        UChar32 to = 0;
        UErrorCode error = U_ZERO_ERROR;
        const std::int32_t length = uset_getItem(tailored.get(), item, &from, &to, text.data(),
                                                 static_cast<std::int32_t>(text.size()), &error);
        if (U_FAILURE(error)) {
            return places; // a longer sequence than any known: no table at all
        }
        for (UChar32 c = from; length == 0 && c <= to && c < 0x80; ++c) {
            alone[static_cast<std::size_t>(c)] = false;
        }
        for (std::int32_t i = 0; i < length; ++i) {
            if (text[static_cast<std::size_t>(i)] < 0x80) {
                alone[text[static_cast<std::size_t>(i)]] = false;
            }
        }
    }
    // Places by the collator's own comparison of the characters.
    std::vector<char16_t> ranked;
    for (char16_t c = 0x20; c < 0x7f; ++c) {
        if (alone[c]) {
            ranked.push_back(c);
        }
    }
    const auto order = [this](char16_t a, char16_t b) {
        return ucol_strcoll(collator_, &a, 1, &b, 1);
    };
    std::sort(ranked.begin(), ranked.end(),
              [&order](char16_t a, char16_t b) { return order(a, b) < 0; });
    std::uint8_t place = 0;
    for (std::size_t i = 0; i < ranked.size(); ++i) {
        if (i == 0 || order(ranked[i - 1], ranked[i]) != 0) {
            ++place;
        }
        places[ranked[i]] = place;
    }
    return places;
}

std::string NameCollator::actualLocale() const {
    UErrorCode status = U_ZERO_ERROR;
    const char* name = ucol_getLocaleByType(collator_, ULOC_ACTUAL_LOCALE, &status);
    return U_SUCCESS(status) && name != nullptr ? name : "root";
}

std::string NameCollator::localeFromEnvironment() {
    for (const char* variable : {"LC_ALL", "LC_COLLATE", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') {
            return posixToIcu(value);
        }
    }
    return "";
}

} // namespace store
