// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/CatalogueRows.h"
#include "sync/StateFile.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vsync {

// The catalogue's comparison of names as a key: alike names have equal keys.
using NameKey = std::function<std::string(std::string_view)>;

// The row id of each catalogue row, in the order of CatalogueRows.
struct CatalogueIds {
    std::vector<std::string> groups;
    std::vector<std::string> items;
};

// What finding this computer's changes needs besides the rows.
struct LocalContext {
    std::string home;
    NameKey nameKey;
    std::function<std::string()> newId;
    HybridClock* clock = nullptr;
    std::int64_t wallMillis = 0;
};

// Compares the catalogue with what this computer saw when it last merged and records every
// difference in `state` with a new stamp: a changed field, a row gone (a deletion), a row new (a
// new id). A renamed row keeps its id when what stays the same tells which row it was: a
// shortcut by its category, path and kind, a category by its shortcuts' captions (or, with none,
// by its other fields). A value already in the state (a merge cut short after writing the
// catalogue) is not stamped again.
//
// A catalogue row that matches nothing seen but has the name of a row in `adoptable` (the
// state's own view) takes that row's id: a merge cut short after writing the catalogue, or a row
// added here and elsewhere under one name, keeps one row. On the first merge (nothing seen) the
// rows adopted so take the state's values, the others are new, and nothing is deleted.
// `adoptable` is asked only when some row matches nothing seen.
CatalogueIds noteLocalChanges(const store::CatalogueRows& catalogue, const Seen& seen,
                              const std::function<const Seen&()>& adoptable, State& state,
                              const LocalContext& context, bool firstMerge);

// The catalogue as the state says it should be on this computer: the rows alive (a category also
// while a live shortcut is filed under it), paths made local, and names that the catalogue calls
// alike told apart with " (2)", " (3)" in the order the rows were made, the same on every
// computer. A shortcut's first value is its category's id (or "=" and a name).
Seen catalogueView(const State& state, const std::string& home, const NameKey& nameKey);

// A new row id: the time in milliseconds and random digits, so ids sort in order of making.
std::string makeRowId(std::int64_t wallMillis);

} // namespace vsync
