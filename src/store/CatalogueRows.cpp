// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/CatalogueRows.h"

#include "store/Connection.h"
#include "store/Statements.h"

namespace store {

CatalogueRows readCatalogueRows(Connection& db) {
    CatalogueRows rows;
    for (ResultSet rs = db.query("select rowid as id, * from tblGroups order by rowid"); !rs.eof();
         rs.moveNext()) {
        rows.groups.push_back({std::stoll(rs.field("id").text()), readGroupRow(rs)});
    }
    for (ResultSet rs = db.query("select rowid as id, * from tblItems order by rowid"); !rs.eof();
         rs.moveNext()) {
        rows.items.push_back({std::stoll(rs.field("id").text()), readItemRow(rs)});
    }
    return rows;
}

} // namespace store
