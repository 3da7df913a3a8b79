// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/NameRepair.h"

#include "store/Connection.h"
#include "store/Transaction.h"

#include <unicode/utf8.h>

#include <map>
#include <set>
#include <string>
#include <unordered_map>

namespace store {

namespace {

// s with each sequence that is not well-formed UTF-8 replaced by U+FFFD.
std::string validUtf8(const std::string& s, bool& changed) {
    std::string out;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(s.data());
    const auto length = static_cast<std::int32_t>(s.size());
    std::int32_t i = 0;
    changed = false;
    while (i < length) {
        const std::int32_t start = i;
        UChar32 c = 0;
        U8_NEXT(bytes, i, length, c);
        if (c < 0) {
            out += "\xEF\xBF\xBD";
            changed = true;
        } else {
            out.append(s, static_cast<std::size_t>(start), static_cast<std::size_t>(i - start));
        }
    }
    return out;
}

// Names already taken in one place (the categories, or one category's shortcuts), by key.
class TakenNames {
  public:
    explicit TakenNames(const Connection& db) : db_(db) {}
    // `name` itself when no name taken so far is alike, else the first free "name (n)", n >= 2.
    std::string claim(const std::string& name) {
        std::string candidate = name;
        for (int n = 2; !taken_.insert(db_.nameKey(candidate)).second; ++n) {
            candidate = name + " (" + std::to_string(n) + ")";
        }
        return candidate;
    }

  private:
    const Connection& db_;
    std::set<std::string> taken_;
};

} // namespace

NameRepairPlan planNameRepairs(Connection& db) {
    NameRepairPlan plan;
    // Categories in order of entry; the earliest keeps its name.
    TakenNames categories(db);
    std::unordered_map<std::string, std::string> movedGroups; // stored name -> repaired name
    std::set<std::string> keptGroups;
    for (ResultSet rs = db.query("select rowid, groupcaption from tblGroups order by rowid");
         !rs.eof(); rs.moveNext()) {
        const std::string stored = rs.field("groupcaption").text();
        bool unreadable = false;
        const std::string name = categories.claim(validUtf8(stored, unreadable));
        if (name == stored) {
            keptGroups.insert(stored);
            continue;
        }
        plan.groups.push_back({std::stoll(rs.field("rowid").text()), name});
        plan.renames.push_back({true, "", stored, name, unreadable});
        // The shortcuts filed under exactly this name go with it; those of an exact twin of a
        // category kept earlier stay with that one.
        if (!keptGroups.count(stored) && !movedGroups.count(stored)) {
            movedGroups.emplace(stored, name);
        }
    }

    // Shortcuts in order of entry, each category's captions apart.
    std::map<std::string, TakenNames> captionsByGroup;
    std::unordered_map<std::string, std::string> groupKeys;
    for (ResultSet rs =
             db.query("select rowid, groupcaption, itemcaption from tblItems order by rowid");
         !rs.eof(); rs.moveNext()) {
        const std::string storedGroup = rs.field("groupcaption").text();
        const std::string storedCaption = rs.field("itemcaption").text();
        bool unreadable = false;
        const auto moved = movedGroups.find(storedGroup);
        const std::string group =
            moved != movedGroups.end() ? moved->second : validUtf8(storedGroup, unreadable);
        // Most shortcuts share a few categories: each category's key is made once.
        auto key = groupKeys.find(group);
        if (key == groupKeys.end()) {
            key = groupKeys.emplace(group, db.nameKey(group)).first;
        }
        TakenNames& captions =
            captionsByGroup.try_emplace(key->second, TakenNames(db)).first->second;
        const std::string caption = captions.claim(validUtf8(storedCaption, unreadable));
        if (group == storedGroup && caption == storedCaption) {
            continue;
        }
        plan.items.push_back({std::stoll(rs.field("rowid").text()), group, caption});
        if (caption != storedCaption) {
            plan.renames.push_back({false, group, storedCaption, caption,
                                    validUtf8(storedCaption, unreadable) != storedCaption});
        }
    }
    return plan;
}

void repairNames(Connection& db, const NameRepairPlan& plan) {
    Transaction tx(db);
    for (const auto& change : plan.groups) {
        db.execute("update tblGroups set groupcaption=? where rowid=?",
                   {change.caption, change.rowid});
    }
    for (const auto& change : plan.items) {
        db.execute("update tblItems set groupcaption=?, itemcaption=? where rowid=?",
                   {change.group, change.caption, change.rowid});
    }
    tx.commit();
}

} // namespace store
