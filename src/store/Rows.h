// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace store {

// One row of tblGroups.
struct GroupRow {
    std::string groupcaption;
    std::string groupdescription;
    std::string backgroundimage;
    std::int32_t grouptextcolor = 0;

    bool operator==(const GroupRow&) const = default;
};

// One row of tblItems.
struct ItemRow {
    std::string groupcaption;
    std::string itemcaption;
    std::string itemdescription;
    std::string itempath;
    std::string itemparameter;
    std::int16_t itemtype = 0;
    std::int32_t itemtextcolor = 0;
    std::int16_t openas = 0;

    bool operator==(const ItemRow&) const = default;
};

} // namespace store
