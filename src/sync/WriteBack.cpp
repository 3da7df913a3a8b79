// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/WriteBack.h"

#include "store/Connection.h"
#include "store/NameRepair.h"
#include "store/Statements.h"
#include "store/Transaction.h"

#include <charconv>
#include <unordered_map>

namespace vsync {

namespace {

template <typename Number> Number number(const std::string& text) {
    Number n{};
    std::from_chars(text.data(), text.data() + text.size(), n);
    return n;
}

store::GroupRow groupRow(const std::vector<std::string>& values) {
    return {values[category::Name], values[category::Description], values[category::Image],
            number<std::int32_t>(values[category::Colour])};
}

// The category's name as this catalogue shows it, or the name a shortcut is filed under.
std::string categoryName(const Seen& view, const std::string& ref) {
    if (!ref.empty() && ref[0] == '=') {
        return ref.substr(1);
    }
    const auto it = view.find(ref);
    return it != view.end() ? it->second.values[category::Name] : std::string();
}

store::ItemRow itemRow(const Seen& view, const std::vector<std::string>& values) {
    return {categoryName(view, values[shortcut::Category]),
            values[shortcut::Caption],
            values[shortcut::Description],
            values[shortcut::Path],
            values[shortcut::Parameters],
            number<std::int16_t>(values[shortcut::Kind]),
            number<std::int32_t>(values[shortcut::Colour]),
            number<std::int16_t>(values[shortcut::OpenAs])};
}

// One table's changes: rows to delete, to update and to insert.
template <typename StoredRow, typename RowOf> struct TableChanges {
    std::vector<std::int64_t> deletions;
    std::vector<std::pair<std::int64_t, decltype(StoredRow::row)>> updates;
    std::vector<std::pair<std::string, decltype(StoredRow::row)>> inserts;

    TableChanges(const std::vector<StoredRow>& stored, const std::vector<std::string>& ids,
                 const Seen& view, RowKind kind, RowOf rowOf) {
        std::unordered_map<std::string, std::size_t> present;
        for (std::size_t i = 0; i < stored.size(); ++i) {
            present.emplace(ids[i], i);
            const auto it = view.find(ids[i]);
            if (it == view.end()) {
                deletions.push_back(stored[i].rowid);
            } else if (auto wanted = rowOf(it->second.values); !(wanted == stored[i].row)) {
                updates.emplace_back(stored[i].rowid, std::move(wanted));
            }
        }
        for (const auto& [id, row] : view) {
            if (row.kind == kind && !present.count(id)) {
                inserts.emplace_back(id, rowOf(row.values));
            }
        }
    }
    bool empty() const { return deletions.empty() && updates.empty() && inserts.empty(); }
};

// The rows as they are now, by id, after a name repair changed some of them.
Seen reread(store::Connection& db, const std::unordered_map<std::int64_t, std::string>& groupIds,
            const std::unordered_map<std::int64_t, std::string>& itemIds, const Seen& view) {
    const store::CatalogueRows now = store::readCatalogueRows(db);
    Seen seen;
    for (const store::StoredGroup& group : now.groups) {
        const auto id = groupIds.find(group.rowid);
        if (id != groupIds.end()) {
            seen[id->second] = {RowKind::Category,
                                {group.row.groupcaption, group.row.groupdescription,
                                 group.row.backgroundimage,
                                 std::to_string(group.row.grouptextcolor)}};
        }
    }
    for (const store::StoredItem& item : now.items) {
        const auto id = itemIds.find(item.rowid);
        if (id != itemIds.end()) {
            SeenRow row = view.at(id->second);
            row.values[shortcut::Caption] = item.row.itemcaption;
            seen[id->second] = std::move(row);
        }
    }
    return seen;
}

} // namespace

Seen writeCatalogue(store::Connection& db, const store::CatalogueRows& catalogue,
                    const CatalogueIds& ids, const Seen& view, bool& changed) {
    const TableChanges groups(catalogue.groups, ids.groups, view, RowKind::Category,
                              [](const std::vector<std::string>& v) { return groupRow(v); });
    const TableChanges items(
        catalogue.items, ids.items, view, RowKind::Shortcut,
        [&view](const std::vector<std::string>& v) { return itemRow(view, v); });
    changed = !groups.empty() || !items.empty();

    std::unordered_map<std::int64_t, std::string> groupIds;
    std::unordered_map<std::int64_t, std::string> itemIds;
    for (std::size_t i = 0; i < catalogue.groups.size(); ++i) {
        groupIds.emplace(catalogue.groups[i].rowid, ids.groups[i]);
    }
    for (std::size_t i = 0; i < catalogue.items.size(); ++i) {
        itemIds.emplace(catalogue.items[i].rowid, ids.items[i]);
    }
    if (changed) {
        store::Transaction tx(db);
        for (const std::int64_t rowid : groups.deletions) {
            store::deleteGroupAt(db, rowid);
        }
        for (const std::int64_t rowid : items.deletions) {
            store::deleteItemAt(db, rowid);
        }
        for (const auto& [rowid, row] : groups.updates) {
            store::updateGroupAt(db, rowid, row);
        }
        for (const auto& [rowid, row] : items.updates) {
            store::updateItemAt(db, rowid, row);
        }
        for (const auto& [id, row] : groups.inserts) {
            groupIds[store::insertGroup(db, row)] = id;
        }
        for (const auto& [id, row] : items.inserts) {
            itemIds[store::insertItem(db, row)] = id;
        }
        tx.commit();
    }
    // The view's names are already told apart; the repair at open finds more only in what was
    // just written: names that are not UTF-8, or a shortcut filed under a category's name that
    // another computer gave to another category.
    if (!changed) {
        return view;
    }
    const store::NameRepairPlan repairs = store::planNameRepairs(db);
    if (repairs.empty()) {
        return view;
    }
    store::repairNames(db, repairs);
    changed = true;
    return reread(db, groupIds, itemIds, view);
}

} // namespace vsync
