// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sync/Stamp.h"

#include <cstddef>
#include <map>
#include <string>
#include <vector>

namespace vsync {

enum class RowKind { Category, Shortcut };

// The fields of each kind of row, in the order they are kept.
namespace category {
enum : std::size_t { Name, Description, Image, Colour, FieldCount };
}
namespace shortcut {
// Category holds the category's row id, or "=" and a name for a shortcut filed under a name that
// no category has.
enum : std::size_t {
    Category,
    Caption,
    Description,
    Path,
    Parameters,
    Kind,
    Colour,
    OpenAs,
    FieldCount
};
} // namespace shortcut
std::size_t fieldCount(RowKind kind);

struct Field {
    std::string value;
    Stamp stamp;

    bool operator==(const Field&) const = default;
};

// One category or shortcut as every computer knows it: each field with the stamp of its last
// change, and the stamp of its last deletion.
struct Row {
    RowKind kind = RowKind::Category;
    std::vector<Field> fields;
    Stamp deleted;

    const Stamp& newestChange() const;
    // Alive when changed after it was last deleted: an edit made after a deletion brings the row
    // back with every field it had.
    bool alive() const { return newestChange() > deleted; }
};

// A computer's view of the catalogue, by row id, deleted rows included.
using State = std::map<std::string, Row>;

// Takes every field and deletion of `other` that is newer than `into`'s; true when it took any.
// The join is idempotent, commutative and associative: any set of states joined in any order
// gives the same state.
bool join(State& into, const State& other);

// The newest stamp in the state (for the clock to pass).
Stamp newestStamp(const State& state);

} // namespace vsync
