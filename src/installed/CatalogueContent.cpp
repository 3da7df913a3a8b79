// SPDX-License-Identifier: GPL-3.0-or-later
#include "installed/CatalogueContent.h"

#include "store/Columns.h"
#include "store/Statements.h"

namespace installed {

CatalogueContent readCatalogueContent(store::Connection& db) {
    CatalogueContent content;
    for (store::ResultSet rs = store::selectGroupNamesAndColours(db); !rs.eof(); rs.moveNext())
        content.groups.push_back(rs.field(store::column::groupcaption).text());
    for (store::ResultSet rs = store::selectItemPlaces(db); !rs.eof(); rs.moveNext()) {
        content.items.push_back({rs.field(store::column::groupcaption).text(),
                                 rs.field(store::column::itemcaption).text(),
                                 rs.field(store::column::itempath).text()});
    }
    return content;
}

} // namespace installed
