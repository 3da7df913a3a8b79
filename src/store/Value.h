// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

namespace store {

// A value bound into a statement.
using Value = std::variant<std::string, std::int64_t>;

// A value read from a column: null, integer, real or text.
using Cell = std::variant<std::monostate, std::int64_t, double, std::string>;

} // namespace store
