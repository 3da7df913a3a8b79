// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/CatalogueRows.h"
#include "sync/CatalogueState.h"

namespace store {
class Connection;
}

namespace vsync {

// Makes the catalogue what `view` says, in one transaction of only the rows that differ (none
// at all when nothing differs), then tells alike names apart as at open. Returns what the
// catalogue holds afterwards, by row id, for the next merge to compare with; `changed` tells
// whether anything was written.
Seen writeCatalogue(store::Connection& db, const store::CatalogueRows& catalogue,
                    const CatalogueIds& ids, const Seen& view, bool& changed);

} // namespace vsync
