// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>

struct UCollator;

namespace store {

// Compares names the way a reader of a language expects them: letter case is ignored in every
// script, accents still count, canonically equivalent spellings (a precomposed and a decomposed
// "é") are one name, and the order follows the language's rules ("Ärzte" before "Zoo" in German,
// after it in Swedish). Backed by an ICU collator at secondary strength.
class NameCollator {
  public:
    // locale is an ICU or POSIX locale name ("de", "tr_TR", "sv_SE.UTF-8"); "", "C" and "POSIX"
    // mean the language-neutral root order, as does a locale ICU has no rules for.
    explicit NameCollator(const std::string& locale);
    ~NameCollator();
    NameCollator(const NameCollator&) = delete;
    NameCollator& operator=(const NameCollator&) = delete;

    // <0, 0 or >0 for two UTF-8 texts. Bytes that are not valid UTF-8 never equal a character;
    // texts that differ only in such bytes are ordered by those bytes.
    int compare(std::string_view a, std::string_view b) const;

    // A key for valid UTF-8 text whose bytes order as compare() orders the texts: two texts
    // have the same key exactly when compare() calls them equal. For sorting many names once,
    // and for finding alike names among many without comparing each pair.
    std::string sortKey(std::string_view utf8) const;
    // The same key added to the end of `keys`: many keys in one block of memory.
    void appendSortKey(std::string_view utf8, std::string& keys) const;

    // Whether compareSimple() can compare this text: every byte a printable ASCII character
    // that this collator sorts as one letter of its own, never joined with its neighbours.
    bool simple(std::string_view text) const;
    // compare() for two texts simple() has accepted, from a table of the characters' places rather
    // than through ICU: many times quicker, for sorting many names one pair at a time.
    int compareSimple(std::string_view a, std::string_view b) const;
    // For a text simple() has accepted, its characters' places added to the end of `keys`:
    // compared byte for byte, two such keys order as compareSimple() orders their texts.
    void appendSimpleKey(std::string_view text, std::string& keys) const;

    // The locale whose rules are in use, "root" when none matched.
    std::string actualLocale() const;

    // The collation locale the environment asks for: LC_ALL, else LC_COLLATE, else LANG, with the
    // character set and modifier removed ("de_DE.UTF-8" gives "de_DE"); "" when none is set.
    static std::string localeFromEnvironment();

  private:
    // Each printable ASCII character's place in this collator's order, equal places for equal
    // characters, 0 for one that simple() refuses. Made when first asked for.
    using Places = std::array<std::uint8_t, 128>;
    const Places& places() const;
    Places makePlaces() const;

    UCollator* collator_ = nullptr;
    mutable std::once_flag placesMade_;
    mutable std::atomic<bool> placesReady_{false};
    mutable Places places_{};
};

} // namespace store
