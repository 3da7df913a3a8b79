// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/CatalogueState.h"

#include "sync/HomePaths.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <unordered_map>

namespace vsync {

namespace {

bool isPathField(RowKind kind, std::size_t field) {
    return kind == RowKind::Category ? field == category::Image : field == shortcut::Path;
}

std::vector<std::string> groupValues(const store::GroupRow& row) {
    return {row.groupcaption, row.groupdescription, row.backgroundimage,
            std::to_string(row.grouptextcolor)};
}

std::vector<std::string> itemValues(const store::ItemRow& row, const std::string& categoryRef) {
    return {categoryRef,
            row.itemcaption,
            row.itemdescription,
            row.itempath,
            row.itemparameter,
            std::to_string(row.itemtype),
            std::to_string(row.itemtextcolor),
            std::to_string(row.openas)};
}

// Each key may be claimed once; pairs only what is unique on both sides.
template <typename Key> class UniquePairs {
  public:
    void addOld(const Key& key, const std::string& id) { add(old_, key, id); }
    void addNew(const Key& key, std::size_t index) { add(new_, key, index); }
    template <typename Take> void pair(Take take) const {
        for (const auto& [key, index] : new_) {
            const auto old = old_.find(key);
            if (index && old != old_.end() && old->second) {
                take(*index, *old->second);
            }
        }
    }

  private:
    template <typename Value>
    static void add(std::map<Key, std::optional<Value>>& side, const Key& key, const Value& v) {
        auto [it, added] = side.try_emplace(key, v);
        if (!added) {
            it->second.reset();
        }
    }
    std::map<Key, std::optional<std::string>> old_;
    std::map<Key, std::optional<std::size_t>> new_;
};

class ChangeRecorder {
  public:
    ChangeRecorder(State& state, const LocalContext& context) : state_(state), context_(context) {}

    void created(const std::string& id, RowKind kind, const std::vector<std::string>& values) {
        Row& row = state_[id];
        row.kind = kind;
        row.fields.assign(fieldCount(kind), {});
        const Stamp stamp = tick();
        for (std::size_t i = 0; i < values.size(); ++i) {
            row.fields[i] = {travelling(kind, i, values[i]), stamp};
        }
    }

    void changed(const std::string& id, RowKind kind, const std::vector<std::string>& values,
                 const std::vector<std::string>& seen) {
        auto it = state_.find(id);
        if (it == state_.end()) {
            created(id, kind, values);
            return;
        }
        Row& row = it->second;
        std::optional<Stamp> stamp;
        for (std::size_t i = 0; i < values.size() && i < row.fields.size(); ++i) {
            const std::string value = travelling(kind, i, values[i]);
            const bool differs = i >= seen.size() || values[i] != seen[i];
            if (differs && value != row.fields[i].value) {
                if (!stamp) {
                    stamp = tick();
                }
                row.fields[i] = {value, *stamp};
            }
        }
        // A row deleted elsewhere but changed here comes back: the change is newer.
        if (!row.alive() && stamp) {
            row.fields[0].stamp = *stamp;
        }
    }

    void deleted(const std::string& id) {
        const auto it = state_.find(id);
        if (it != state_.end() && it->second.alive()) {
            it->second.deleted = tick();
        }
    }

  private:
    Stamp tick() { return context_.clock->tick(context_.wallMillis); }
    std::string travelling(RowKind kind, std::size_t field, const std::string& value) const {
        return isPathField(kind, field) ? travellingPath(value, context_.home) : value;
    }

    State& state_;
    const LocalContext& context_;
};

std::string joined(std::vector<std::string> keys) {
    std::sort(keys.begin(), keys.end());
    std::string out;
    for (const std::string& key : keys) {
        out += key;
        out += '\x1f';
    }
    return out;
}

} // namespace

CatalogueIds noteLocalChanges(const store::CatalogueRows& catalogue, const Seen& seen,
                              const std::function<const Seen&()>& adoptable, State& state,
                              const LocalContext& context, bool firstMerge) {
    const NameKey& keyOf = context.nameKey;
    ChangeRecorder record(state, context);
    CatalogueIds ids;
    ids.groups.resize(catalogue.groups.size());
    ids.items.resize(catalogue.items.size());
    std::vector<const SeenRow*> groupBase(catalogue.groups.size(), nullptr);
    std::vector<const SeenRow*> itemBase(catalogue.items.size(), nullptr);
    std::set<std::string> claimed;

    // Rows of `rows` of one kind by key; each catalogue row without an id yet takes the id of
    // its key, once.
    const auto anyWithoutId = [](const std::vector<std::string>& found) {
        return std::any_of(found.begin(), found.end(), [](const auto& id) { return id.empty(); });
    };
    const auto matchBy = [&](const auto& rowsOf, RowKind kind, std::vector<std::string>& found,
                             std::vector<const SeenRow*>& base, const auto& rowKey,
                             const auto& catalogueKey) {
        if (!anyWithoutId(found)) {
            return;
        }
        const Seen& rows = rowsOf();
        std::unordered_map<std::string, std::string> byKey;
        for (const auto& [id, row] : rows) {
            if (row.kind == kind && !claimed.count(id)) {
                byKey.try_emplace(rowKey(row), id);
            }
        }
        for (std::size_t i = 0; i < found.size(); ++i) {
            if (!found[i].empty()) {
                continue;
            }
            const auto it = byKey.find(catalogueKey(i));
            if (it != byKey.end() && claimed.insert(it->second).second) {
                found[i] = it->second;
                base[i] = &rows.at(it->second);
            }
        }
    };

    // Categories, by name: as last seen, then as the state has them.
    const auto categoryKey = [&](const SeenRow& row) { return keyOf(row.values[category::Name]); };
    const auto groupKey = [&](std::size_t i) {
        return keyOf(catalogue.groups[i].row.groupcaption);
    };
    const auto seenRows = [&seen]() -> const Seen& { return seen; };
    matchBy(seenRows, RowKind::Category, ids.groups, groupBase, categoryKey, groupKey);
    matchBy(adoptable, RowKind::Category, ids.groups, groupBase, categoryKey, groupKey);
    if (!firstMerge && anyWithoutId(ids.groups)) {
        // A category renamed here: the one gone whose shortcuts' captions (or, with none, whose
        // other fields) are those of the one new.
        std::unordered_map<std::string, std::vector<std::string>> newCaptions;
        for (const store::StoredItem& item : catalogue.items) {
            newCaptions[keyOf(item.row.groupcaption)].push_back(keyOf(item.row.itemcaption));
        }
        std::unordered_map<std::string, std::vector<std::string>> oldCaptions;
        for (const auto& [id, row] : seen) {
            if (row.kind == RowKind::Shortcut) {
                oldCaptions[row.values[shortcut::Category]].push_back(
                    keyOf(row.values[shortcut::Caption]));
            }
        }
        const auto signature = [](const std::vector<std::string>& captions,
                                  const std::vector<std::string>& values) {
            return captions.empty() ? "F" + values[1] + '\x1e' + values[2] + '\x1e' + values[3]
                                    : "I" + joined(captions);
        };
        UniquePairs<std::string> pairs;
        for (const auto& [id, row] : seen) {
            if (row.kind == RowKind::Category && !claimed.count(id)) {
                pairs.addOld(signature(oldCaptions[id], row.values), id);
            }
        }
        for (std::size_t i = 0; i < catalogue.groups.size(); ++i) {
            if (ids.groups[i].empty()) {
                const store::GroupRow& row = catalogue.groups[i].row;
                pairs.addNew(signature(newCaptions[keyOf(row.groupcaption)], groupValues(row)), i);
            }
        }
        pairs.pair([&](std::size_t i, const std::string& id) {
            ids.groups[i] = id;
            groupBase[i] = &seen.at(id);
            claimed.insert(id);
        });
    }
    // The state changes only once every row is matched: until then `adoptable` may be made
    // from it.
    std::vector<bool> newGroup(catalogue.groups.size());
    std::unordered_map<std::string, std::string> categoryIdByKey;
    for (std::size_t i = 0; i < catalogue.groups.size(); ++i) {
        if (ids.groups[i].empty()) {
            ids.groups[i] = context.newId();
            newGroup[i] = true;
        }
        categoryIdByKey.try_emplace(keyOf(catalogue.groups[i].row.groupcaption), ids.groups[i]);
    }

    // Shortcuts, by their category and caption.
    std::vector<std::string> refs(catalogue.items.size());
    for (std::size_t i = 0; i < catalogue.items.size(); ++i) {
        const std::string& group = catalogue.items[i].row.groupcaption;
        const auto it = categoryIdByKey.find(keyOf(group));
        refs[i] = it != categoryIdByKey.end() ? it->second : "=" + group;
    }
    const auto shortcutKey = [&](const SeenRow& row) {
        return row.values[shortcut::Category] + '\x1f' + keyOf(row.values[shortcut::Caption]);
    };
    const auto itemKey = [&](std::size_t i) {
        return refs[i] + '\x1f' + keyOf(catalogue.items[i].row.itemcaption);
    };
    matchBy(seenRows, RowKind::Shortcut, ids.items, itemBase, shortcutKey, itemKey);
    matchBy(adoptable, RowKind::Shortcut, ids.items, itemBase, shortcutKey, itemKey);
    if (!firstMerge && anyWithoutId(ids.items)) {
        // A shortcut renamed here: the one gone from the same category with the same target.
        UniquePairs<std::string> pairs;
        for (const auto& [id, row] : seen) {
            if (row.kind == RowKind::Shortcut && !claimed.count(id)) {
                pairs.addOld(row.values[shortcut::Category] + '\x1f' + row.values[shortcut::Path] +
                                 '\x1f' + row.values[shortcut::Kind],
                             id);
            }
        }
        for (std::size_t i = 0; i < catalogue.items.size(); ++i) {
            if (ids.items[i].empty()) {
                const store::ItemRow& row = catalogue.items[i].row;
                pairs.addNew(
                    refs[i] + '\x1f' + row.itempath + '\x1f' + std::to_string(row.itemtype), i);
            }
        }
        pairs.pair([&](std::size_t i, const std::string& id) {
            ids.items[i] = id;
            itemBase[i] = &seen.at(id);
            claimed.insert(id);
        });
    }
    for (std::size_t i = 0; i < catalogue.groups.size(); ++i) {
        const std::vector<std::string> values = groupValues(catalogue.groups[i].row);
        if (newGroup[i]) {
            record.created(ids.groups[i], RowKind::Category, values);
        } else if (!firstMerge) {
            record.changed(ids.groups[i], RowKind::Category, values, groupBase[i]->values);
        }
    }
    for (std::size_t i = 0; i < catalogue.items.size(); ++i) {
        const std::vector<std::string> values = itemValues(catalogue.items[i].row, refs[i]);
        if (ids.items[i].empty()) {
            ids.items[i] = context.newId();
            record.created(ids.items[i], RowKind::Shortcut, values);
        } else if (!firstMerge) {
            record.changed(ids.items[i], RowKind::Shortcut, values, itemBase[i]->values);
        }
    }

    // What was seen and is gone was deleted here; on a first merge nothing was seen.
    for (const auto& [id, row] : seen) {
        if (!claimed.count(id)) {
            record.deleted(id);
        }
    }
    return ids;
}

namespace {

// Names taken so far in one place, by key; the first free "name (n)" for a name alike to one.
class TakenNames {
  public:
    explicit TakenNames(const NameKey& keyOf) : keyOf_(keyOf) {}
    std::string claim(const std::string& name) {
        std::string candidate = name;
        for (int n = 2; !taken_.insert(keyOf_(candidate)).second; ++n) {
            candidate = name + " (" + std::to_string(n) + ")";
        }
        return candidate;
    }

  private:
    const NameKey& keyOf_;
    std::set<std::string> taken_;
};

} // namespace

Seen catalogueView(const State& state, const std::string& home, const NameKey& nameKey) {
    std::set<std::string> filedUnder;
    for (const auto& [id, row] : state) {
        if (row.kind == RowKind::Shortcut && row.alive()) {
            filedUnder.insert(row.fields[shortcut::Category].value);
        }
    }
    Seen view;
    TakenNames categoryNames(nameKey);
    // The state is ordered by id, and ids by the time they were made.
    for (const auto& [id, row] : state) {
        if (row.kind != RowKind::Category || !(row.alive() || filedUnder.count(id))) {
            continue;
        }
        SeenRow& shown = view[id];
        shown.kind = RowKind::Category;
        for (std::size_t i = 0; i < row.fields.size(); ++i) {
            shown.values.push_back(isPathField(row.kind, i) ? localPath(row.fields[i].value, home)
                                                            : row.fields[i].value);
        }
        shown.values[category::Name] = categoryNames.claim(shown.values[category::Name]);
    }
    std::map<std::string, TakenNames> captionsByCategory;
    for (const auto& [id, row] : state) {
        if (row.kind != RowKind::Shortcut || !row.alive()) {
            continue;
        }
        std::string ref = row.fields[shortcut::Category].value;
        if (ref.empty() || (ref[0] != '=' && !view.count(ref))) {
            // Filed under a category no file describes: kept, under no category.
            ref = "=";
        }
        const std::string place = ref[0] == '=' ? "=" + nameKey(ref.substr(1)) : ref;
        TakenNames& captions = captionsByCategory.try_emplace(place, nameKey).first->second;
        SeenRow& shown = view[id];
        shown.kind = RowKind::Shortcut;
        for (std::size_t i = 0; i < row.fields.size(); ++i) {
            shown.values.push_back(isPathField(row.kind, i) ? localPath(row.fields[i].value, home)
                                                            : row.fields[i].value);
        }
        shown.values[shortcut::Category] = ref;
        shown.values[shortcut::Caption] = captions.claim(shown.values[shortcut::Caption]);
    }
    return view;
}

std::string makeRowId(std::int64_t wallMillis) {
    static std::mt19937_64 random{std::random_device{}()};
    char id[32];
    std::snprintf(id, sizeof id, "%011llx%08llx", static_cast<unsigned long long>(wallMillis),
                  static_cast<unsigned long long>(random() & 0xffffffffULL));
    return id;
}

} // namespace vsync
