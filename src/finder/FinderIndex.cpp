// SPDX-License-Identifier: GPL-3.0-or-later
#include "finder/FinderIndex.h"

#include "finder/TextFolding.h"
#include "platform/LaunchCounts.h"
#include "store/Utf8Pieces.h"

#include <QStringList>
#include <algorithm>
#include <cstring>
#include <numeric>
#include <optional>
#include <string.h>
#include <string_view>
#include <unordered_map>
#include <utility>

namespace finder {

namespace {

constexpr char kPart = '\x01';
// More words than this are not told apart: each category keeps one bit per word.
constexpr std::size_t kMaxWords = 64;
// A part's blocks are given room for the rows it expects once this many are read.
constexpr std::size_t kSampleRows = 64;
// Matches are put in order at least this many at a time.
constexpr std::size_t kSortStep = 16;

std::string_view fileName(std::string_view path) {
    // A plain loop: find_last_of() looks for each character of the set in turn, a call a byte.
    std::size_t cut = path.size();
    while (cut > 0 && path[cut - 1] != '/' && path[cut - 1] != '\\') {
        --cut;
    }
    return path.substr(cut);
}

std::vector<std::string> wordsOf(std::string_view text) {
    std::vector<std::string> words;
    std::size_t at = 0;
    while (at < text.size() && words.size() < kMaxWords) {
        const std::size_t end = text.find(' ', at);
        const std::size_t stop = end == std::string_view::npos ? text.size() : end;
        if (stop > at) {
            words.emplace_back(text.substr(at, stop - at));
        }
        at = stop + 1;
    }
    return words;
}

// The folded text with every run of white space or control characters made one space, and none
// at either end.
std::string simplified(const QString& text) {
    const QString plain = text.simplified();
    QString clean;
    clean.reserve(plain.size());
    for (QChar c : plain) {
        clean.append(c.category() == QChar::Other_Control ? QChar(u' ') : c);
    }
    return foldForSearch(clean.simplified().toStdString());
}

// glibc's memmem is much quicker than a search character by character.
bool contains(std::string_view text, std::string_view word) {
    return ::memmem(text.data(), text.size(), word.data(), word.size()) != nullptr;
}

bool wellFormed(std::string_view utf8) {
    if (isAscii(utf8)) {
        return true;
    }
    bool whole = true;
    store::forEachUtf8Piece(
        utf8, [&whole](std::string_view, bool wellFormed) { whole = whole && wellFormed; });
    return whole;
}

// Each shortcut's place when ordered by caption, those of equal captions as read. A plain ASCII
// caption, as nearly all are, is keyed by its characters' places in the collator's table, any
// other by its collation key; two keys of one kind compare as bytes, and a plain caption meets
// another through the collator.
std::vector<std::uint32_t> placesByCaption(const FinderIndex& shortcuts,
                                           const store::NameCollator& names) {
    // The keys in one block: a string of its own for each costs as much again.
    std::string keys;
    keys.reserve(shortcuts.size() * 16);
    std::vector<std::uint32_t> starts;
    starts.reserve(shortcuts.size() + 1);
    std::vector<std::uint8_t> plain(shortcuts.size());
    for (std::size_t i = 0; i < shortcuts.size(); ++i) {
        starts.push_back(static_cast<std::uint32_t>(keys.size()));
        const std::string_view caption = shortcuts.caption(i);
        plain[i] = names.simple(caption) ? 1 : 0;
        if (plain[i] != 0) {
            names.appendSimpleKey(caption, keys);
        } else {
            names.appendSortKey(caption, keys);
        }
    }
    starts.push_back(static_cast<std::uint32_t>(keys.size()));
    const auto key = [&](std::uint32_t i) {
        return std::string_view(keys).substr(starts[i], starts[i + 1] - starts[i]);
    };
    const auto compare = [&](std::uint32_t a, std::uint32_t b) {
        return plain[a] == plain[b] ? key(a).compare(key(b))
                                    : names.compare(shortcuts.caption(a), shortcuts.caption(b));
    };
    std::vector<std::uint32_t> order(shortcuts.size());
    std::iota(order.begin(), order.end(), 0U);
    std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        const int compared = compare(a, b);
        return compared != 0 ? compared < 0 : a < b;
    });
    std::vector<std::uint32_t> places(shortcuts.size());
    for (std::uint32_t place = 0; place < order.size(); ++place) {
        places[order[place]] = place;
    }
    return places;
}

} // namespace

void FinderIndex::Part::add(const store::ShortcutText& shortcut, const store::NameCollator* names) {
    Entry entry;
    const std::size_t start = texts.size();
    const std::string_view caption = shortcut.caption;
    const std::string_view description = shortcut.description;
    const std::string_view name = fileName(shortcut.path);
    entry.start = static_cast<std::uint32_t>(start);
    // Mostly plain ASCII: the three texts lowered in place, the block grown once.
    texts.resize(start + caption.size() + description.size() + name.size() + 3);
    char* to = texts.data() + start;
    bool asciiCaption = lowerAscii(caption, to);
    to += caption.size();
    *to++ = kPart;
    bool ascii = asciiCaption && lowerAscii(description, to);
    to += description.size();
    *to++ = kPart;
    ascii = ascii && lowerAscii(name, to);
    if (ascii) {
        entry.captionEnd = static_cast<std::uint32_t>(start + caption.size());
        entry.end = static_cast<std::uint32_t>(texts.size() - 1);
        texts.back() = kPart;
    } else {
        texts.resize(start);
        asciiCaption = appendFoldedForSearch(caption, texts);
        entry.captionEnd = static_cast<std::uint32_t>(texts.size());
        texts += kPart;
        appendFoldedForSearch(description, texts);
        texts += kPart;
        appendFoldedForSearch(name, texts);
        entry.end = static_cast<std::uint32_t>(texts.size());
        texts += kPart;
    }
    entry.keptStart = static_cast<std::uint32_t>(kept.size());
    entry.captionSize = static_cast<std::uint32_t>(shortcut.caption.size());
    kept += shortcut.caption;
    kept += shortcut.path;
    entry.keptEnd = static_cast<std::uint32_t>(kept.size());
    entry.kind = shortcut.kind;
    entry.plainCaption = asciiCaption || wellFormed(shortcut.caption);
    entry.simpleCaption = names != nullptr && names->simple(shortcut.caption);
    // Shortcuts of one category mostly come one after the other.
    if (entries.empty() || categories[entries.back().category] != shortcut.category) {
        const auto [number, added] = numbers_.try_emplace(
            std::string(shortcut.category), static_cast<std::uint32_t>(categories.size()));
        if (added) {
            categories.emplace_back(shortcut.category);
        }
        entry.category = number->second;
    } else {
        entry.category = entries.back().category;
    }
    entries.push_back(entry);
    if (entries.size() == kSampleRows && expected > kSampleRows) {
        // With room to spare: later rows may be longer, and room never written takes no memory.
        const auto room = [this](std::size_t bytes) {
            return bytes / kSampleRows * expected / 4 * 5;
        };
        texts.reserve(room(texts.size()));
        kept.reserve(room(kept.size()));
        entries.reserve(expected);
    }
}

FinderIndex::Part FinderIndex::folded(const std::vector<store::ShortcutSummary>& shortcuts,
                                      const store::NameCollator* names) {
    Part part;
    for (const store::ShortcutSummary& shortcut : shortcuts) {
        part.add({shortcut.category, shortcut.caption, shortcut.description, shortcut.path,
                  shortcut.kind},
                 names);
    }
    return part;
}

FinderIndex::Part FinderIndex::read(const std::string& path, const std::string& vfs, int part,
                                    int parts, const store::NameCollator* names) {
    Part read;
    store::forEachShortcut(
        path, vfs, part, parts,
        [&read, names](const store::ShortcutText& shortcut) { read.add(shortcut, names); },
        [&read](std::size_t rows) { read.expected = rows; });
    return read;
}

FinderIndex::FinderIndex(std::vector<store::ShortcutSummary> shortcuts,
                         const store::NameCollator& names)
    : FinderIndex(
          [&] {
              std::vector<Part> parts;
              parts.push_back(folded(shortcuts));
              return parts;
          }(),
          nullptr) {
    places_ = placesByCaption(*this, names);
}

FinderIndex::FinderIndex(std::vector<Part> parts, std::shared_ptr<const store::NameCollator> names)
    : parts_(std::move(parts)), names_(std::move(names)) {
    std::unordered_map<std::string, std::uint32_t> categoryNumbers;
    for (Part& part : parts_) {
        partStarts_.push_back(partStarts_.back() + static_cast<std::uint32_t>(part.entries.size()));
        // The part's category numbers as this index numbers them.
        std::vector<std::uint32_t> numbers;
        for (std::string& category : part.categories) {
            const auto [number, added] = categoryNumbers.try_emplace(
                category, static_cast<std::uint32_t>(categories_.size()));
            if (added) {
                // Names as the launch counts know them.
                categoryNumbers_.insert(QString::fromStdString(category), number->second);
                categories_.push_back(foldForSearch(category));
                categoryNames_.push_back(std::move(category));
            }
            numbers.push_back(number->second);
        }
        for (Entry& entry : part.entries) {
            entry.category = numbers[entry.category];
        }
        part.categories.clear();
        part.numbers_.clear();
    }

    // Each category's shortcuts, for the launch counts to find theirs.
    categoryStarts_.assign(categories_.size() + 1, 0);
    for (const Part& part : parts_) {
        for (const Entry& entry : part.entries) {
            ++categoryStarts_[entry.category + 1];
        }
    }
    std::partial_sum(categoryStarts_.begin(), categoryStarts_.end(), categoryStarts_.begin());
    byCategory_.resize(size());
    std::vector<std::uint32_t> filled(categoryStarts_.begin(), categoryStarts_.end() - 1);
    std::uint32_t index = 0;
    for (const Part& part : parts_) {
        for (const Entry& entry : part.entries) {
            byCategory_[filled[entry.category]++] = index++;
        }
    }
}

store::ShortcutSummary FinderIndex::shortcut(std::size_t index) const {
    const auto [part, entry] = locate(static_cast<std::uint32_t>(index));
    const std::string_view kept(part.kept);
    return {categoryNames_[entry.category], std::string(captionOf(part, entry)), std::string(),
            std::string(kept.substr(entry.keptStart + entry.captionSize,
                                    entry.keptEnd - entry.keptStart - entry.captionSize)),
            entry.kind};
}

std::string_view FinderIndex::caption(std::size_t index) const {
    const auto [part, entry] = locate(static_cast<std::uint32_t>(index));
    return captionOf(part, entry);
}

std::vector<std::uint32_t> FinderIndex::captionOrder() const {
    return names_ ? placesByCaption(*this, *names_) : places_;
}

void FinderIndex::setCaptionOrder(std::vector<std::uint32_t> places) {
    if (places.size() != size()) {
        return;
    }
    // The matches ordered so far keep their order: it is the same.
    places_ = std::move(places);
}

bool FinderIndex::captionBefore(std::uint32_t a, std::uint32_t b) const {
    if (!places_.empty()) {
        return places_[a] < places_[b];
    }
    const Located one = locate(a);
    const Located other = locate(b);
    const std::string_view first = captionOf(one.part, one.entry);
    const std::string_view second = captionOf(other.part, other.entry);
    // Well-formed texts compare as their sort keys order; others have their keys made.
    const int order = one.entry.simpleCaption && other.entry.simpleCaption
                          ? names_->compareSimple(first, second)
                      : one.entry.plainCaption && other.entry.plainCaption
                          ? names_->compare(first, second)
                          : names_->sortKey(first).compare(names_->sortKey(second));
    return order != 0 ? order < 0 : a < b;
}

bool FinderIndex::before(const Ranked& a, const Ranked& b) const {
    if (a.tier != b.tier) {
        return a.tier < b.tier;
    }
    if (a.launches != b.launches) {
        return a.launches > b.launches;
    }
    return captionBefore(a.index, b.index);
}

void FinderIndex::setLaunchCounts(const QHash<QString, int>& counts) {
    for (Part& part : parts_) {
        for (Entry& entry : part.entries) {
            entry.launches = 0;
        }
    }
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        const auto names = platform::LaunchCounts::names(it.key());
        const auto category =
            names ? categoryNumbers_.constFind(names->first) : categoryNumbers_.cend();
        if (category == categoryNumbers_.cend()) {
            continue;
        }
        const QString& caption = names->second;
        const std::string bytes = caption.toStdString();
        // Of two shortcuts of one name the later in caption order counts. A caption that is not
        // plain ASCII is compared as text too: bytes that are not UTF-8 read as U+FFFD there.
        std::optional<std::uint32_t> named;
        for (std::uint32_t i = categoryStarts_[*category]; i < categoryStarts_[*category + 1];
             ++i) {
            const std::uint32_t index = byCategory_[i];
            const std::string_view stored = this->caption(index);
            if ((stored == bytes ||
                 (!isAscii(stored) &&
                  QString::fromUtf8(stored.data(), static_cast<qsizetype>(stored.size())) ==
                      caption)) &&
                (!named || captionBefore(*named, index))) {
                named = index;
            }
        }
        if (named) {
            const auto [part, at] = place(*named);
            parts_[part].entries[at].launches = it.value();
        }
    }
    // The order may change with the counts; what matches does not.
}

std::vector<std::uint32_t>
FinderIndex::scan(std::string_view word, const std::vector<std::uint64_t>& categoryWords) const {
    // One pass through each part's texts: each place the word stands names the shortcut around
    // it, and the shortcuts between two such places match by their category alone, if at all.
    std::vector<std::uint32_t> hits;
    for (std::size_t p = 0; p < parts_.size(); ++p) {
        const Part& part = parts_[p];
        const char* texts = part.texts.data();
        const std::size_t size = part.texts.size();
        const std::uint32_t base = partStarts_[p];
        const auto count = static_cast<std::uint32_t>(part.entries.size());
        std::size_t at = 0;
        std::uint32_t next = 0;
        while (next < count) {
            // A single letter, as the first key gives, is found quicker by memchr.
            const void* found = word.size() == 1
                                    ? std::memchr(texts + at, word.front(), size - at)
                                    : ::memmem(texts + at, size - at, word.data(), word.size());
            const std::size_t place =
                found ? static_cast<std::size_t>(static_cast<const char*>(found) - texts) : size;
            for (; next < count && part.entries[next].end < place; ++next) {
                if (categoryWords[part.entries[next].category] & 1U) {
                    hits.push_back(base + next);
                }
            }
            if (found == nullptr || next == count) {
                break;
            }
            hits.push_back(base + next);
            at = part.entries[next].end;
            ++next;
        }
    }
    return hits;
}

bool FinderIndex::holds(const Part& part, const Entry& entry, std::string_view word) {
    return contains(std::string_view(part.texts).substr(entry.start, entry.end - entry.start),
                    word);
}

int FinderIndex::tier(const Part& part, const Entry& entry, std::string_view text) {
    const std::string_view caption =
        std::string_view(part.texts).substr(entry.start, entry.captionEnd - entry.start);
    if (caption.starts_with(text)) {
        return 0;
    }
    std::size_t at = caption.find(text);
    const bool contained = at != std::string_view::npos;
    for (; at != std::string_view::npos; at = caption.find(text, at + 1)) {
        if (startsWord(caption, at)) {
            return 1;
        }
    }
    return contained ? 2 : 3;
}

FinderIndex::Found FinderIndex::find(const QString& text, std::size_t limit) {
    const std::string folded = simplified(text);
    const std::vector<std::string> words = wordsOf(folded);
    Found found;
    if (words.empty()) {
        lastText_.clear();
        lastFound_.clear();
        return found;
    }

    std::vector<std::uint64_t> categoryWords(categories_.size(), 0);
    for (std::size_t c = 0; c < categories_.size(); ++c) {
        for (std::size_t w = 0; w < words.size(); ++w) {
            if (contains(categories_[c], words[w])) {
                categoryWords[c] |= std::uint64_t{1} << w;
            }
        }
    }
    const auto matchesFrom = [&](std::uint32_t index, std::size_t firstWord) {
        const auto [part, entry] = locate(index);
        const std::uint64_t inCategory = categoryWords[entry.category];
        for (std::size_t w = firstWord; w < words.size(); ++w) {
            if ((inCategory >> w & 1U) == 0 && !holds(part, entry, words[w])) {
                return false;
            }
        }
        return true;
    };

    std::vector<std::uint32_t> hits;
    if (!lastText_.empty() && folded.starts_with(lastText_)) {
        for (std::uint32_t index : lastFound_) {
            if (matchesFrom(index, 0)) {
                hits.push_back(index);
            }
        }
    } else {
        for (std::uint32_t index : scan(words.front(), categoryWords)) {
            if (matchesFrom(index, 1)) {
                hits.push_back(index);
            }
        }
    }

    ranked_.clear();
    ranked_.reserve(hits.size());
    for (std::uint32_t index : hits) {
        const auto [part, entry] = locate(index);
        ranked_.push_back({tier(part, entry, folded), entry.launches, index});
    }
    sorted_ = 0;
    found.total = ranked_.size();
    const std::size_t shown = std::min(limit, ranked_.size());
    if (shown > 0) {
        sortThrough(shown - 1);
    }
    for (std::size_t i = 0; i < shown; ++i) {
        found.best.push_back(ranked_[i].index);
    }
    lastText_ = folded;
    lastFound_ = std::move(hits);
    return found;
}

std::size_t FinderIndex::ranked(std::size_t place) {
    sortThrough(place);
    return ranked_.at(place).index;
}

void FinderIndex::sortThrough(std::size_t place) {
    if (place < sorted_ || place >= ranked_.size()) {
        return;
    }
    // What is ordered already comes before all the rest, so only the rest needs sorting; a
    // list scrolled row by row sorts in growing steps, not once a row.
    const std::size_t end = std::min(ranked_.size(), std::max({place + 1, 2 * sorted_, kSortStep}));
    const auto begin = ranked_.begin();
    std::partial_sort(begin + static_cast<std::ptrdiff_t>(sorted_),
                      begin + static_cast<std::ptrdiff_t>(end), ranked_.end(),
                      [this](const Ranked& a, const Ranked& b) { return before(a, b); });
    sorted_ = end;
}

} // namespace finder
