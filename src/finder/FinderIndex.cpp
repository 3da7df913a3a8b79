// SPDX-License-Identifier: GPL-3.0-or-later
#include "finder/FinderIndex.h"

#include "finder/TextFolding.h"
#include "platform/LaunchCounts.h"

#include <QStringList>
#include <algorithm>
#include <map>
#include <numeric>
#include <string.h>
#include <string_view>

namespace finder {

namespace {

constexpr char kPart = '\x01';
// More words than this are not told apart: each category keeps one bit per word.
constexpr std::size_t kMaxWords = 64;
// Matches are put in order at least this many at a time.
constexpr std::size_t kSortStep = 16;

std::string_view fileName(std::string_view path) {
    const auto cut = path.find_last_of("/\\");
    return cut == std::string_view::npos ? path : path.substr(cut + 1);
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

} // namespace

FinderIndex::FinderIndex(std::vector<store::ShortcutSummary> shortcuts,
                         const store::NameCollator& names) {
    // In caption order once, so that an entry's place is its rank among equal matches.
    std::vector<std::pair<std::string, std::size_t>> keys;
    keys.reserve(shortcuts.size());
    for (std::size_t i = 0; i < shortcuts.size(); ++i) {
        keys.emplace_back(names.sortKey(shortcuts[i].caption), i);
    }
    std::sort(keys.begin(), keys.end());
    shortcuts_.reserve(shortcuts.size());
    for (const auto& key : keys) {
        shortcuts_.push_back(std::move(shortcuts[key.second]));
    }

    std::map<std::string, std::uint32_t> categoryNumbers;
    entries_.reserve(shortcuts_.size());
    for (std::size_t i = 0; i < shortcuts_.size(); ++i) {
        const store::ShortcutSummary& shortcut = shortcuts_[i];
        Entry entry;
        entry.start = static_cast<std::uint32_t>(texts_.size());
        texts_ += foldForSearch(shortcut.caption);
        entry.captionEnd = static_cast<std::uint32_t>(texts_.size());
        texts_ += kPart;
        texts_ += foldForSearch(shortcut.description);
        texts_ += kPart;
        texts_ += foldForSearch(fileName(shortcut.path));
        entry.end = static_cast<std::uint32_t>(texts_.size());
        texts_ += kPart;
        const auto [place, added] = categoryNumbers.try_emplace(
            shortcut.category, static_cast<std::uint32_t>(categories_.size()));
        if (added) {
            categories_.push_back(foldForSearch(shortcut.category));
        }
        entry.category = place->second;
        entries_.push_back(std::move(entry));
        byKey_.insert(platform::LaunchCounts::key(QString::fromStdString(shortcut.category),
                                                  QString::fromStdString(shortcut.caption)),
                      i);
    }
}

void FinderIndex::setLaunchCounts(const QHash<QString, int>& counts) {
    for (Entry& entry : entries_) {
        entry.launches = 0;
    }
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        const auto found = byKey_.constFind(it.key());
        if (found != byKey_.cend()) {
            entries_[found.value()].launches = it.value();
        }
    }
    // The order may change with the counts; what matches does not.
}

std::vector<std::uint32_t>
FinderIndex::scan(std::string_view word, const std::vector<std::uint64_t>& categoryWords) const {
    // One pass through all the texts: each place the word stands names the shortcut around it,
    // and the shortcuts between two such places match by their category alone, if at all.
    std::vector<std::uint32_t> hits;
    const char* texts = texts_.data();
    std::size_t at = 0;
    std::uint32_t next = 0;
    const auto count = static_cast<std::uint32_t>(entries_.size());
    while (next < count) {
        const void* found = ::memmem(texts + at, texts_.size() - at, word.data(), word.size());
        const std::size_t place =
            found ? static_cast<std::size_t>(static_cast<const char*>(found) - texts)
                  : texts_.size();
        for (; next < count && entries_[next].end < place; ++next) {
            if (categoryWords[entries_[next].category] & 1U) {
                hits.push_back(next);
            }
        }
        if (found == nullptr || next == count) {
            break;
        }
        hits.push_back(next);
        at = entries_[next].end;
        ++next;
    }
    return hits;
}

bool FinderIndex::holds(const Entry& entry, std::string_view word) const {
    return contains(std::string_view(texts_).substr(entry.start, entry.end - entry.start), word);
}

int FinderIndex::tier(const Entry& entry, std::string_view text) const {
    const std::string_view caption =
        std::string_view(texts_).substr(entry.start, entry.captionEnd - entry.start);
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
        const Entry& entry = entries_[index];
        const std::uint64_t inCategory = categoryWords[entry.category];
        for (std::size_t w = firstWord; w < words.size(); ++w) {
            if ((inCategory >> w & 1U) == 0 && !holds(entry, words[w])) {
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
        ranked_.push_back({tier(entries_[index], folded), entries_[index].launches, index});
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
                      begin + static_cast<std::ptrdiff_t>(end), ranked_.end());
    sorted_ = end;
}

} // namespace finder
