// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/Value.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace store {

// One column of the current row, converted on demand the way the readers need it.
class Field {
  public:
    Field(std::string column, Cell cell) : column_(std::move(column)), cell_(std::move(cell)) {}
    bool isNull() const;
    // Text of the value; null reads as "".
    std::string text() const;
    // Whole numbers; text holding a number converts, anything else throws StoreError.
    std::int32_t toInt32() const;
    std::int16_t toInt16() const;

  private:
    std::string column_;
    Cell cell_;
};

// The rows of one read, taken whole when the read runs (a static cursor): later writes on the
// same connection neither change it nor wait for it.
class ResultSet {
  public:
    ResultSet() = default;
    ResultSet(std::vector<std::string> columns, std::vector<std::vector<Cell>> rows);

    bool isOpen() const { return open_; }
    bool eof() const;
    // The named column (case-insensitive) of the current row; throws StoreError at the end or
    // for an unknown column.
    Field field(const std::string& column) const;
    // The named column's value in the current row as stored, for reading many rows without a
    // copy of each; throws as `field` does.
    const Cell& cell(std::string_view column) const;
    // Moves to the next row; the row left can no longer be read.
    void moveNext();
    void close();
    // A quicker comparison for the texts it accepts, giving the same order as `compareTexts`.
    struct QuickOrder {
        std::function<bool(std::string_view)> accepts;
        std::function<int(std::string_view, std::string_view)> compare;
    };
    // Puts the rows in the order of the named column's values as SQL's ORDER BY would with the
    // texts compared by `compareTexts` (<0, 0 or >0): nulls first, then numbers by value, then
    // texts; rows with equal values keep their order. Made before the first move. Where
    // `appendKey` is given, it appends to its second argument a key whose bytes order texts as
    // `compareTexts` does, ties aside: each text is then measured once, and only texts of equal
    // keys are compared. Two texts `quick` accepts are compared by it alone, and need no key.
    void sortBy(const std::string& column,
                const std::function<int(std::string_view, std::string_view)>& compareTexts,
                const std::function<void(std::string_view, std::string&)>& appendKey = {},
                const QuickOrder& quick = {});
    std::size_t rowCount() const { return rows_.size(); }

  private:
    // The named column's place (case-insensitive); throws StoreError for an unknown column.
    std::size_t columnIndex(std::string_view column) const;
    // The named column's place and value in the current row; throws at the end or for an
    // unknown column.
    std::pair<std::size_t, const Cell&> current(std::string_view column) const;

    bool open_ = false;
    std::size_t current_ = 0;
    std::vector<std::string> columns_;
    std::vector<std::vector<Cell>> rows_;
};

} // namespace store
