// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/Connection.h"

#include <string>
#include <vector>

namespace installed {

// The names and targets already in the catalogue, which decide what adding the installed
// applications leaves out and how it names what it adds.
struct CatalogueContent {
    struct Item {
        std::string group;
        std::string caption;
        std::string path;
    };
    std::vector<std::string> groups;
    std::vector<Item> items;
};

// Reads them; a store failure passes to the caller as StoreError.
CatalogueContent readCatalogueContent(store::Connection& db);

} // namespace installed
