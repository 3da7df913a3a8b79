// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/Connection.h"
#include "store/ResultSet.h"

#include <optional>
#include <string>
#include <string_view>

namespace common {

// Category names, and shortcut captions within a category, are one name when the catalogue's
// comparison calls them equal: letter case, accents and width never make two names. Every place
// that names a category or a shortcut asks this, so that the editors, a drop and the catalogue's
// own lookups agree on what is already taken.
bool sameName(const store::Connection& db, std::string_view a, std::string_view b);

// The row being renamed: a category, or a shortcut (with its caption) within one. It never
// clashes with itself, so a new letter case of its own name is allowed.
struct RenamedRow {
    std::string category;
    std::optional<std::string> caption;
};

// True when one of `rows` (read from the catalogue as bearing the new name) is not `renamed`.
bool heldByAnother(const store::Connection& db, store::ResultSet rows,
                   const std::optional<RenamedRow>& renamed = std::nullopt);

} // namespace common
