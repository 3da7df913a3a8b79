// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/CatalogueRows.h"

#include "store/Connection.h"
#include "store/Statements.h"

#include <sqlite3.h>

namespace store {

namespace {

Value text(const std::string& s) {
    return Value(s);
}

Value number(std::int64_t n) {
    return Value(n);
}

} // namespace

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

std::int64_t insertGroupRow(Connection& db, const GroupRow& row) {
    insertGroup(db, row);
    return sqlite3_last_insert_rowid(db.handle());
}

void updateGroupAt(Connection& db, std::int64_t rowid, const GroupRow& row) {
    db.execute("update tblGroups set groupcaption=?,groupdescription=?,backgroundimage=?,"
               "grouptextcolor=? where rowid=?",
               {text(row.groupcaption), text(row.groupdescription), text(row.backgroundimage),
                number(row.grouptextcolor), number(rowid)});
}

void deleteGroupAt(Connection& db, std::int64_t rowid) {
    db.execute("delete from tblGroups where rowid=?", {number(rowid)});
}

std::int64_t insertItemRow(Connection& db, const ItemRow& row) {
    insertItem(db, row);
    return sqlite3_last_insert_rowid(db.handle());
}

void updateItemAt(Connection& db, std::int64_t rowid, const ItemRow& row) {
    db.execute("update tblItems set groupcaption=?,itemcaption=?,itemdescription=?,itempath=?,"
               "itemparameter=?,itemtype=?,itemtextcolor=?,openas=? where rowid=?",
               {text(row.groupcaption), text(row.itemcaption), text(row.itemdescription),
                text(row.itempath), text(row.itemparameter), number(row.itemtype),
                number(row.itemtextcolor), number(row.openas), number(rowid)});
}

void deleteItemAt(Connection& db, std::int64_t rowid) {
    db.execute("delete from tblItems where rowid=?", {number(rowid)});
}

} // namespace store
