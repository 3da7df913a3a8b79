// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The column names of the two tables, in one place for every reader.
namespace store::column {

inline constexpr char groupcaption[] = "groupcaption";
inline constexpr char groupdescription[] = "groupdescription";
inline constexpr char backgroundimage[] = "backgroundimage";
inline constexpr char grouptextcolor[] = "grouptextcolor";

inline constexpr char itemcaption[] = "itemcaption";
inline constexpr char itemdescription[] = "itemdescription";
inline constexpr char itempath[] = "itempath";
inline constexpr char itemparameter[] = "itemparameter";
inline constexpr char itemtype[] = "itemtype";
inline constexpr char itemtextcolor[] = "itemtextcolor";
inline constexpr char openas[] = "openas";

} // namespace store::column
