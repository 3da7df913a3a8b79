// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/AllShortcuts.h"
#include "store/NameCollator.h"

#include <QHash>
#include <QString>
#include <cstdint>
#include <string>
#include <vector>

namespace finder {

// Every shortcut of the catalogue, folded once for searching, and the search the finder runs
// on each keystroke. Building it takes a while for a large catalogue and may run on any thread;
// searching runs on one thread at a time.
class FinderIndex {
  public:
    // Shortcuts read together, folded and put in caption order: the share of the work one
    // thread does when the catalogue is read in parts.
    struct Sorted {
        // A shortcut's sort key in `keys` and its folded texts in `texts`.
        struct Place {
            std::uint32_t key = 0;
            std::uint32_t keyLength = 0;
            std::uint32_t texts = 0;
            std::uint32_t captionLength = 0;
            std::uint32_t textsLength = 0;
            std::uint32_t shortcut = 0;
        };
        std::vector<store::ShortcutSummary> shortcuts; // as read
        std::string keys;
        std::string texts;
        std::vector<Place> order; // by key, those of equal keys as read
        std::string_view key(const Place& place) const {
            return {&keys[place.key], place.keyLength};
        }
    };
    static Sorted sorted(std::vector<store::ShortcutSummary> shortcuts,
                         const store::NameCollator& names);

    // Folds every text and orders the shortcuts by caption, as `names` sorts them.
    FinderIndex(std::vector<store::ShortcutSummary> shortcuts, const store::NameCollator& names);
    // The same for shortcuts read in parts, the parts in the catalogue's order.
    explicit FinderIndex(std::vector<Sorted> parts);

    // How often each shortcut was launched, by platform::LaunchCounts::key().
    void setLaunchCounts(const QHash<QString, int>& counts);

    struct Found {
        std::size_t total = 0;         // shortcuts that match
        std::vector<std::size_t> best; // the first of them in rank order, as shortcut()s
    };
    // The shortcuts each of whose words the text's every word is found in (caption, description,
    // category or the target's file name), best first: the caption starts with the text, then a
    // word of the caption starts with it, then the caption holds it, then another text does;
    // among equals the more launched first, then by caption. An empty text finds nothing.
    Found find(const QString& text, std::size_t limit);
    // The shortcut at this place (below the total) of the last search's order. The matches are
    // put in order only as far as asked, so a list that shows a few rows pays for those alone.
    std::size_t ranked(std::size_t place);

    const store::ShortcutSummary& shortcut(std::size_t index) const { return shortcuts_[index]; }
    std::size_t size() const { return shortcuts_.size(); }

  private:
    // A match's place in the order: by its tier, its launches and its caption's place.
    struct Ranked {
        int tier;
        int launches;
        std::uint32_t index;
        bool operator<(const Ranked& other) const {
            if (tier != other.tier) {
                return tier < other.tier;
            }
            if (launches != other.launches) {
                return launches > other.launches;
            }
            return index < other.index;
        }
    };
    // Orders the last search's matches at least up to and including `place`.
    void sortThrough(std::size_t place);

    // Where a shortcut's folded texts stand in texts_: its caption from `start` to
    // `captionEnd`, then its description and the file name of its target, parted by U+0001.
    struct Entry {
        std::uint32_t start = 0;
        std::uint32_t captionEnd = 0;
        std::uint32_t end = 0;
        std::uint32_t category = 0;
        int launches = 0;
    };
    int tier(const Entry& entry, std::string_view text) const;
    bool holds(const Entry& entry, std::string_view word) const;
    // The shortcuts that hold `word` or whose category does (bit 0 of categoryWords), in order.
    std::vector<std::uint32_t> scan(std::string_view word,
                                    const std::vector<std::uint64_t>& categoryWords) const;

    std::vector<store::ShortcutSummary> shortcuts_;
    // Every shortcut's folded texts one after the other, so that a search reads one block of
    // memory from start to end.
    std::string texts_;
    std::vector<Entry> entries_;
    std::vector<std::string> categories_;
    // The category of each name, and the shortcuts of each category in caption order: those of
    // category c stand in byCategory_ from categoryStarts_[c] up to categoryStarts_[c + 1].
    QHash<QString, std::uint32_t> categoryNumbers_;
    std::vector<std::uint32_t> byCategory_;
    std::vector<std::uint32_t> categoryStarts_;
    // The last search's folded text and all it found: a text that goes on from it can only find
    // fewer, so the next search looks among those alone.
    std::string lastText_;
    std::vector<std::uint32_t> lastFound_;
    // The last search's matches, in order up to sorted_.
    std::vector<Ranked> ranked_;
    std::size_t sorted_ = 0;
};

} // namespace finder
