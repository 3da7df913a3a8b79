// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/Rows.h"

#include <cstdint>
#include <vector>

namespace store {

class Connection;

// Every row of both tables with its SQLite rowid, in order of entry: what a merge with other
// computers compares and changes, row by row.
struct StoredGroup {
    std::int64_t rowid = 0;
    GroupRow row;
};
struct StoredItem {
    std::int64_t rowid = 0;
    ItemRow row;
};
struct CatalogueRows {
    std::vector<StoredGroup> groups;
    std::vector<StoredItem> items;
};
CatalogueRows readCatalogueRows(Connection& db);

} // namespace store
