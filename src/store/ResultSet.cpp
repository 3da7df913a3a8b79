// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/ResultSet.h"

#include "store/StoreError.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>

namespace store {

namespace {

std::string realText(double v) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, v);
    return std::string(buffer, result.ptr);
}

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && isSpace(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && isSpace(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

// Accepts an optional sign, digits, and an optional decimal part: "42", "-7", "+3.50", ".5".
bool looksLikeNumber(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        ++i;
    }
    std::size_t digits = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
        ++i;
        ++digits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
            ++i;
            ++digits;
        }
    }
    return digits > 0 && i == s.size();
}

bool asciiEqualIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i];
        char y = b[i];
        if (x >= 'A' && x <= 'Z') {
            x = static_cast<char>(x - 'A' + 'a');
        }
        if (y >= 'A' && y <= 'Z') {
            y = static_cast<char>(y - 'A' + 'a');
        }
        if (x != y) {
            return false;
        }
    }
    return true;
}

} // namespace

bool Field::isNull() const {
    return std::holds_alternative<std::monostate>(cell_);
}

std::string Field::text() const {
    if (const auto* i = std::get_if<std::int64_t>(&cell_)) {
        return std::to_string(*i);
    }
    if (const auto* d = std::get_if<double>(&cell_)) {
        return realText(*d);
    }
    if (const auto* s = std::get_if<std::string>(&cell_)) {
        return *s;
    }
    return {};
}

namespace {

StoreError notANumber(const std::string& value, const std::string& column) {
    return StoreError(Message{
        STORE_TEXT("Vantory", "The value \"%1\" in column %2 is not a number."), {value, column}});
}

// Rounds and range-checks the value of a column into [low, high].
std::int64_t wholeNumber(const std::string& column, const Cell& cell, std::int64_t low,
                         std::int64_t high) {
    const auto tooLarge = [&](const std::string& shown) {
        return StoreError(Message{STORE_TEXT("Vantory", "The value %1 in column %2 is too large."),
                                  {shown, column}});
    };
    const auto fromReal = [&](double d, const std::string& shown) {
        const double r = std::round(d);
        if (!std::isfinite(r) || r < static_cast<double>(low) || r > static_cast<double>(high)) {
            throw tooLarge(shown);
        }
        return static_cast<std::int64_t>(r);
    };

    if (std::holds_alternative<std::monostate>(cell)) {
        throw StoreError(Message{STORE_TEXT("Vantory", "Column %1 holds no value."), {column}});
    }
    if (const auto* i = std::get_if<std::int64_t>(&cell)) {
        if (*i < low || *i > high) {
            throw tooLarge(std::to_string(*i));
        }
        return *i;
    }
    if (const auto* d = std::get_if<double>(&cell)) {
        if (std::isnan(*d)) {
            throw StoreError(Message{
                STORE_TEXT("Vantory", "The value in column %1 is not a number."), {column}});
        }
        return fromReal(*d, realText(*d));
    }
    const std::string& s = std::get<std::string>(cell);
    std::string_view t = trimmed(s);
    if (!looksLikeNumber(t)) {
        throw notANumber(s, column);
    }
    const std::string shown(t);
    if (t.front() == '+') {
        t.remove_prefix(1);
    }
    double d = 0;
    const auto result = std::from_chars(t.data(), t.data() + t.size(), d);
    if (result.ec == std::errc::result_out_of_range) {
        throw tooLarge(shown);
    }
    if (result.ec != std::errc() || result.ptr != t.data() + t.size()) {
        throw notANumber(s, column);
    }
    return fromReal(d, shown);
}

} // namespace

std::int32_t Field::toInt32() const {
    return static_cast<std::int32_t>(wholeNumber(column_, cell_,
                                                 std::numeric_limits<std::int32_t>::min(),
                                                 std::numeric_limits<std::int32_t>::max()));
}

std::int16_t Field::toInt16() const {
    return static_cast<std::int16_t>(wholeNumber(column_, cell_,
                                                 std::numeric_limits<std::int16_t>::min(),
                                                 std::numeric_limits<std::int16_t>::max()));
}

ResultSet::ResultSet(std::vector<std::string> columns, std::vector<std::vector<Cell>> rows)
    : open_(true), columns_(std::move(columns)), rows_(std::move(rows)) {}

bool ResultSet::eof() const {
    return !open_ || current_ >= rows_.size();
}

std::size_t ResultSet::columnIndex(std::string_view column) const {
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        if (asciiEqualIgnoringCase(columns_[i], column)) {
            return i;
        }
    }
    throw StoreError("The catalogue has no column " + std::string(column) + ".");
}

std::pair<std::size_t, const Cell&> ResultSet::current(std::string_view column) const {
    static const Cell none;
    if (eof()) {
        throw StoreError("No current row.");
    }
    const std::size_t i = columnIndex(column);
    const auto& row = rows_[current_];
    return {i, i < row.size() ? row[i] : none};
}

const Cell& ResultSet::cell(std::string_view column) const {
    return current(column).second;
}

Field ResultSet::field(const std::string& column) const {
    const auto [i, value] = current(column);
    return Field(columns_[i], value);
}

void ResultSet::sortBy(const std::string& column,
                       const std::function<int(std::string_view, std::string_view)>& compareTexts,
                       const std::function<void(std::string_view, std::string&)>& appendKey,
                       const QuickOrder& quick) {
    const std::size_t index = columnIndex(column);
    // Each row's value is looked at once, before the sort compares it many times: its kind in
    // SQL's order of kinds (null, then numbers, whole or not, by value, then text), its number,
    // and for a text where its bytes (for the quick order) or its key start and end in one block,
    // which the comparisons then read from near each other rather than from every row's cells.
    struct Sorted {
        std::size_t start = 0;
        std::size_t size = 0;
        std::uint8_t kind = 0;
        bool quick = false;
    };
    std::vector<Sorted> values(rows_.size());
    std::vector<long double> numbers;
    std::string block;
    const auto textOf = [&](std::size_t row) -> std::string_view {
        return std::get<std::string>(rows_[row][index]);
    };
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        if (index >= rows_[r].size()) {
            continue;
        }
        const Cell& cell = rows_[r][index];
        Sorted& value = values[r];
        if (const auto* text = std::get_if<std::string>(&cell)) {
            value.kind = 2;
            value.quick = quick.accepts && quick.accepts(*text);
            const std::size_t start = block.size();
            if (value.quick) {
                block += *text;
            } else if (appendKey) {
                appendKey(*text, block);
            }
            value.start = start;
            value.size = block.size() - start;
        } else if (!std::holds_alternative<std::monostate>(cell)) {
            value.kind = 1;
            numbers.resize(rows_.size());
            const auto* whole = std::get_if<std::int64_t>(&cell);
            numbers[r] = whole != nullptr ? static_cast<long double>(*whole)
                                          : static_cast<long double>(std::get<double>(cell));
        }
    }
    const std::string_view inBlock(block);
    const auto textsInOrder = [&](std::size_t a, std::size_t b) {
        const Sorted& x = values[a];
        const Sorted& y = values[b];
        const std::string_view blockX = inBlock.substr(x.start, x.size);
        const std::string_view blockY = inBlock.substr(y.start, y.size);
        if (x.quick && y.quick) {
            return quick.compare(blockX, blockY) < 0;
        }
        if (appendKey && !x.quick && !y.quick) {
            if (const int byKey = blockX.compare(blockY); byKey != 0) {
                return byKey < 0;
            }
        }
        return compareTexts(textOf(a), textOf(b)) < 0;
    };
    std::vector<std::size_t> order(rows_.size());
    for (std::size_t r = 0; r < order.size(); ++r) {
        order[r] = r;
    }
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const std::uint8_t kindA = values[a].kind;
        const std::uint8_t kindB = values[b].kind;
        if (kindA != kindB) {
            return kindA < kindB;
        }
        if (kindA == 1) {
            return numbers[a] < numbers[b];
        }
        return kindA == 2 && textsInOrder(a, b);
    });
    std::vector<std::vector<Cell>> sorted;
    sorted.reserve(rows_.size());
    for (const std::size_t row : order) {
        sorted.push_back(std::move(rows_[row]));
    }
    rows_ = std::move(sorted);
    current_ = 0;
}

void ResultSet::moveNext() {
    if (!eof()) {
        // The cursor only moves forward: the row left is let go at once, so that a long read
        // does not hold all its rows while its reader builds what it makes of them.
        std::vector<Cell>().swap(rows_[current_]);
        ++current_;
    }
}

void ResultSet::close() {
    open_ = false;
    current_ = 0;
    columns_.clear();
    rows_.clear();
}

} // namespace store
