// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/Statements.h"

#include "store/Columns.h"
#include "store/NameCollator.h"

#include <sqlite3.h>

namespace store {

namespace {

Value text(const std::string& s) {
    return Value(s);
}

Value number(std::int64_t n) {
    return Value(n);
}

// `values` with one more value after them, the one a statement's "where" binds.
std::vector<Value> followedBy(std::vector<Value> values, Value last) {
    values.push_back(std::move(last));
    return values;
}

// A whole row's values, in the order its insert and update statements list the columns.
std::vector<Value> rowValues(const GroupRow& row) {
    return {text(row.groupcaption), text(row.groupdescription), text(row.backgroundimage),
            number(row.grouptextcolor)};
}

std::vector<Value> rowValues(const ItemRow& row) {
    return {text(row.groupcaption),    text(row.itemcaption),   text(row.itemdescription),
            text(row.itempath),        text(row.itemparameter), number(row.itemtype),
            number(row.itemtextcolor), number(row.openas)};
}

// The rows in the order "order by" the column would give, sorted here rather than by SQLite:
// the collator compares the names directly, without SQLite's sort reading each record anew for
// every comparison, which at tens of thousands of rows costs more than the comparisons. From a
// few thousand rows, each name's sort key is made once and the keys compared, the collator only
// where keys tie; below that, making the keys costs more than the comparisons they save.
ResultSet sortedByName(Connection& db, ResultSet rows, const char* column) {
    constexpr std::size_t kRowsWorthKeys = 2000;
    const auto compare = [&db](std::string_view a, std::string_view b) {
        return db.compareNames(a, b);
    };
    const std::shared_ptr<const NameCollator> names = db.nameCollator();
    if (!names) {
        rows.sortBy(column, compare);
        return rows;
    }
    // Plain names are compared from the collator's table of character places, without ICU.
    const ResultSet::QuickOrder plain{
        [&names](std::string_view name) { return names->simple(name); },
        [&names](std::string_view a, std::string_view b) { return names->compareSimple(a, b); }};
    std::function<void(std::string_view, std::string&)> appendKey;
    if (rows.rowCount() >= kRowsWorthKeys) {
        appendKey = [&names](std::string_view name, std::string& keys) {
            names->appendSortKey(name, keys);
        };
    }
    rows.sortBy(column, compare, appendKey, plain);
    return rows;
}

} // namespace

ResultSet selectAllGroups(Connection& db) {
    return db.query("select * from [tblGroups] order by [groupcaption]");
}

ResultSet selectGroupNamesAndColours(Connection& db) {
    return sortedByName(db, db.query("select [groupcaption], [grouptextcolor] from [tblGroups]"),
                        column::groupcaption);
}

ResultSet selectItemsOfGroup(Connection& db, const std::string& group) {
    return sortedByName(db,
                        db.query("select * from [tblItems] where groupcaption=?", {text(group)}),
                        column::itemcaption);
}

ResultSet selectItemListOfGroup(Connection& db, const std::string& group) {
    return sortedByName(
        db,
        db.query("select [itemcaption], [itemtype], [itemtextcolor], [itempath] from [tblItems] "
                 "where groupcaption=?",
                 {text(group)}),
        column::itemcaption);
}

ResultSet selectItemPlaces(Connection& db) {
    return db.query("select [groupcaption], [itemcaption], [itempath] from [tblItems]");
}

ResultSet selectGroup(Connection& db, const std::string& group) {
    return db.query("select * from tblGroups where groupcaption=?", {text(group)});
}

ResultSet selectItemsByCaption(Connection& db, const std::string& caption) {
    return db.query("select * from tblItems where itemcaption=?", {text(caption)});
}

ResultSet selectItemInGroup(Connection& db, const std::string& caption, const std::string& group) {
    return db.query("select * from tblItems where itemcaption=? and groupcaption=?",
                    {text(caption), text(group)});
}

std::int64_t insertGroup(Connection& db, const GroupRow& row) {
    db.execute("insert into tblGroups (groupcaption,groupdescription,backgroundimage,"
               "grouptextcolor) values (?,?,?,?)",
               rowValues(row));
    return sqlite3_last_insert_rowid(db.handle());
}

void updateGroup(Connection& db, const std::string& oldName, const GroupRow& row) {
    db.execute("update tblGroups set groupcaption=?,groupdescription=?,backgroundimage=?,"
               "grouptextcolor=? where groupcaption=?",
               followedBy(rowValues(row), text(oldName)));
}

void moveItemsToGroup(Connection& db, const std::string& oldName, const std::string& newName) {
    db.execute("update tblItems set groupcaption=? where groupcaption=?",
               {text(newName), text(oldName)});
}

void deleteGroup(Connection& db, const std::string& group) {
    db.execute("delete from tblGroups where groupcaption=?", {text(group)});
}

void deleteItemsOfGroup(Connection& db, const std::string& group) {
    db.execute("delete from tblItems where groupcaption=?", {text(group)});
}

std::int64_t insertItem(Connection& db, const ItemRow& row) {
    db.execute("insert into tblItems (groupcaption,itemcaption,itemdescription,itempath,"
               "itemparameter,itemtype,itemtextcolor,openas) values (?,?,?,?,?,?,?,?)",
               rowValues(row));
    return sqlite3_last_insert_rowid(db.handle());
}

void insertShortcutFileItem(Connection& db, const std::string& group, const std::string& caption,
                            const std::string& description, const std::string& path,
                            std::int32_t colour) {
    db.execute("insert into tblItems (groupcaption,itemcaption,itemdescription,itempath,"
               "itemparameter,itemtype,itemtextcolor,openas) values (?,?,?,?,' ',5,?,0)",
               {text(group), text(caption), text(description), text(path), number(colour)});
}

void insertDroppedItem(Connection& db, const std::string& group, const std::string& caption,
                       const std::string& path, std::int16_t kind) {
    // Run once per dropped file: the text is made once, not for every row.
    static const std::string sql =
        "insert into tblItems (groupcaption,itemcaption,itemdescription,itempath,"
        "itemparameter,itemtype,itemtextcolor,openas) values (?,?,' ',?,' ',?,0,0)";
    db.execute(sql, {text(group), text(caption), text(path), number(kind)});
}

void updateItem(Connection& db, const std::string& oldCaption, const ItemRow& row) {
    db.execute("update tblItems set itemcaption=?,itemdescription=?,itempath=?,itemparameter=?,"
               "itemtype=?,itemtextcolor=?,openas=? where itemcaption=? and groupcaption=?",
               {text(row.itemcaption), text(row.itemdescription), text(row.itempath),
                text(row.itemparameter), number(row.itemtype), number(row.itemtextcolor),
                number(row.openas), text(oldCaption), text(row.groupcaption)});
}

void updateShortcutFileItem(Connection& db, const std::string& oldCaption, const std::string& group,
                            const std::string& newCaption, const std::string& description,
                            const std::string& path, std::int32_t colour) {
    db.execute("update tblItems set itemcaption=?,itemdescription=?,itempath=?,itemparameter=' ',"
               "itemtype=5,itemtextcolor=?,openas=0 where itemcaption=? and groupcaption=?",
               {text(newCaption), text(description), text(path), number(colour), text(oldCaption),
                text(group)});
}

void deleteItem(Connection& db, const std::string& group, const std::string& caption) {
    db.execute("delete from tblItems where groupcaption=? and itemcaption=?",
               {text(group), text(caption)});
}

GroupRow readGroupRow(const ResultSet& rs) {
    GroupRow row;
    row.groupcaption = rs.field(column::groupcaption).text();
    row.groupdescription = rs.field(column::groupdescription).text();
    row.backgroundimage = rs.field(column::backgroundimage).text();
    row.grouptextcolor = rs.field(column::grouptextcolor).toInt32();
    return row;
}

ItemRow readItemRow(const ResultSet& rs) {
    ItemRow row;
    row.groupcaption = rs.field(column::groupcaption).text();
    row.itemcaption = rs.field(column::itemcaption).text();
    row.itemdescription = rs.field(column::itemdescription).text();
    row.itempath = rs.field(column::itempath).text();
    row.itemparameter = rs.field(column::itemparameter).text();
    row.itemtype = rs.field(column::itemtype).toInt16();
    row.itemtextcolor = rs.field(column::itemtextcolor).toInt32();
    row.openas = rs.field(column::openas).toInt16();
    return row;
}

void updateGroupAt(Connection& db, std::int64_t rowid, const GroupRow& row) {
    db.execute("update tblGroups set groupcaption=?,groupdescription=?,backgroundimage=?,"
               "grouptextcolor=? where rowid=?",
               followedBy(rowValues(row), number(rowid)));
}

void updateItemAt(Connection& db, std::int64_t rowid, const ItemRow& row) {
    db.execute("update tblItems set groupcaption=?,itemcaption=?,itemdescription=?,itempath=?,"
               "itemparameter=?,itemtype=?,itemtextcolor=?,openas=? where rowid=?",
               followedBy(rowValues(row), number(rowid)));
}

void deleteGroupAt(Connection& db, std::int64_t rowid) {
    db.execute("delete from tblGroups where rowid=?", {number(rowid)});
}

void deleteItemAt(Connection& db, std::int64_t rowid) {
    db.execute("delete from tblItems where rowid=?", {number(rowid)});
}

} // namespace store
