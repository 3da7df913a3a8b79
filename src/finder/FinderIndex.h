// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/AllShortcuts.h"
#include "store/NameCollator.h"

#include <QHash>
#include <QString>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace finder {

// Every shortcut of the catalogue, folded once for searching, and the search the finder runs
// on each keystroke. Building it takes a while for a large catalogue and may run on any thread;
// searching runs on one thread at a time.
class FinderIndex {
  private:
    // Where a shortcut's folded texts stand in its part's block of texts: its caption from
    // `start` to `captionEnd`, then its description and the file name of its target, parted by
    // U+0001; and where its caption and target as read stand in the part's block of those, one
    // after the other.
    struct Entry {
        std::uint32_t start = 0;
        std::uint32_t captionEnd = 0;
        std::uint32_t end = 0;
        std::uint32_t category = 0;
        std::uint32_t keptStart = 0;
        std::uint32_t captionSize = 0;
        std::uint32_t keptEnd = 0;
        int launches = 0;
        std::int16_t kind = 0;
        // Well-formed UTF-8, which the collator compares as its sort keys order.
        bool plainCaption = true;
        // Compared by the collator's table of characters, without ICU.
        bool simpleCaption = false;
    };

  public:
    // Shortcuts read together, their texts folded: the share of the work one thread does when
    // the catalogue is read in parts. Each text is copied once, into one of two blocks: a string
    // of its own for each costs as much again.
    struct Part {
        std::string texts;                   // each shortcut's folded ones ended by U+0001
        std::string kept;                    // each shortcut's caption and target as read
        std::vector<Entry> entries;          // categories numbered in this part
        std::vector<std::string> categories; // in the order first read
        // About how many shortcuts the part will hold: once the first few are read, each block
        // is given room for all of them at the rate those few took. Grown a step at a time, each
        // block would be copied again and again into memory touched for the first time.
        std::size_t expected = 0;
        // With `names`, a caption it can compare quickly is marked so.
        void add(const store::ShortcutText& shortcut, const store::NameCollator* names);

      private:
        friend class FinderIndex;
        std::unordered_map<std::string, std::uint32_t> numbers_;
    };
    static Part folded(const std::vector<store::ShortcutSummary>& shortcuts,
                       const store::NameCollator* names = nullptr);
    // Part `part` of `parts` of the catalogue file, folded as it is read (see
    // store::readAllShortcuts()).
    static Part read(const std::string& path, const std::string& vfs, int part, int parts,
                     const store::NameCollator* names);

    // Folds every text and orders the shortcuts by caption, as `names` sorts them.
    FinderIndex(std::vector<store::ShortcutSummary> shortcuts, const store::NameCollator& names);
    // Shortcuts read in parts, the parts in the catalogue's order, ready to search at once.
    // Until setCaptionOrder() the order among equal matches compares captions with `names`
    // one pair at a time: the same order, paid for by the matches ranked alone.
    FinderIndex(std::vector<Part> parts, std::shared_ptr<const store::NameCollator> names);

    // Each shortcut's place in caption order, as `names` sorts them, those of equal captions
    // as read. It reads only the captions, so another thread may make it while this index is
    // searched; then setCaptionOrder() takes it on the searching thread.
    std::vector<std::uint32_t> captionOrder() const;
    void setCaptionOrder(std::vector<std::uint32_t> places);
    bool ordered() const { return !places_.empty() || size() == 0; }

    // How often each shortcut was launched, by platform::LaunchCounts::key().
    void setLaunchCounts(const QHash<QString, int>& counts);

    struct Found {
        std::size_t total = 0;         // shortcuts that match
        std::vector<std::size_t> best; // the first of them in rank order, as shortcut()s
    };
    // The shortcuts each of whose words the text's every word is found in (caption, description,
    // category or the target's file name), best first: the caption starts with the text, then a
    // word of the caption starts with it, then the caption holds it, then another text does;
    // among equals the more launched first, then by caption, then as read. An empty text finds
    // nothing.
    Found find(const QString& text, std::size_t limit);
    // The shortcut at this place (below the total) of the last search's order. The matches are
    // put in order only as far as asked, so a list that shows a few rows pays for those alone.
    std::size_t ranked(std::size_t place);

    // Shortcuts are numbered as read. Their descriptions are searched, not kept.
    store::ShortcutSummary shortcut(std::size_t index) const;
    std::string_view caption(std::size_t index) const;
    std::size_t size() const { return partStarts_.back(); }

  private:
    // A match's place in the order: by its tier, its launches and its caption.
    struct Ranked {
        int tier;
        int launches;
        std::uint32_t index;
    };
    bool before(const Ranked& a, const Ranked& b) const;
    // Whether shortcut a's caption comes before b's in caption order.
    bool captionBefore(std::uint32_t a, std::uint32_t b) const;
    // Orders the last search's matches at least up to and including `place`.
    void sortThrough(std::size_t place);

    // The part shortcut `index` was read in, and its place there.
    std::pair<std::size_t, std::size_t> place(std::uint32_t index) const {
        std::size_t part = 0;
        while (index >= partStarts_[part + 1]) {
            ++part;
        }
        return {part, index - partStarts_[part]};
    }
    struct Located {
        const Part& part;
        const Entry& entry;
    };
    Located locate(std::uint32_t index) const {
        const auto [part, at] = place(index);
        return {parts_[part], parts_[part].entries[at]};
    }
    static std::string_view captionOf(const Part& part, const Entry& entry) {
        return {part.kept.data() + entry.keptStart, entry.captionSize};
    }
    static int tier(const Part& part, const Entry& entry, std::string_view text);
    static bool holds(const Part& part, const Entry& entry, std::string_view word);
    // The shortcuts that hold `word` or whose category does (bit 0 of categoryWords), in order.
    std::vector<std::uint32_t> scan(std::string_view word,
                                    const std::vector<std::uint64_t>& categoryWords) const;

    // The shortcuts as their parts were read, each part's texts in blocks of its own that a
    // search reads from start to end. Joined, the blocks would be copied into memory touched for
    // the first time, which costs about as much again as reading them. The shortcuts are
    // numbered across the parts in order: part p's first is number partStarts_[p].
    std::vector<Part> parts_;
    std::vector<std::uint32_t> partStarts_{0};
    // The categories folded, and as read.
    std::vector<std::string> categories_;
    std::vector<std::string> categoryNames_;
    // The category of each name, and the shortcuts of each category as read: those of
    // category c stand in byCategory_ from categoryStarts_[c] up to categoryStarts_[c + 1].
    QHash<QString, std::uint32_t> categoryNumbers_;
    std::vector<std::uint32_t> byCategory_;
    std::vector<std::uint32_t> categoryStarts_;
    // Compares captions until their places are known, and makes those places.
    std::shared_ptr<const store::NameCollator> names_;
    std::vector<std::uint32_t> places_;
    // The last search's folded text and all it found: a text that goes on from it can only find
    // fewer, so the next search looks among those alone.
    std::string lastText_;
    std::vector<std::uint32_t> lastFound_;
    // The last search's matches, in order up to sorted_.
    std::vector<Ranked> ranked_;
    std::size_t sorted_ = 0;
};

} // namespace finder
