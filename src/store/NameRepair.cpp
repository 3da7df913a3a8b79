// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/NameRepair.h"

#include "store/Connection.h"
#include "store/StoreError.h"
#include "store/Transaction.h"
#include "store/Utf8Pieces.h"

#include <sqlite3.h>

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <unordered_map>
#include <unordered_set>

namespace store {

namespace {

// s with each sequence that is not well-formed UTF-8 replaced by U+FFFD.
std::string validUtf8(const std::string& s, bool& changed) {
    std::string out;
    changed = false;
    forEachUtf8Piece(s, [&](std::string_view piece, bool wellFormed) {
        out += wellFormed ? piece : std::string_view("\xEF\xBF\xBD");
        changed = changed || !wellFormed;
    });
    return out;
}

// Names already taken in one place (the categories, or one category's shortcuts), by key.
class TakenNames {
  public:
    explicit TakenNames(const NameCollator& names) : names_(names) {}
    // `name` itself when no name taken so far is alike, else the first free "name (n)", n >= 2.
    std::string claim(const std::string& name) {
        const std::string key = names_.sortKey(name);
        if (taken_.insert(key).second) {
            return name;
        }
        // Each name remembers the number its next twin tries first, so that thousands of alike
        // names take linear time rather than trying every number taken before.
        int& n = nextNumber_.try_emplace(key, 2).first->second;
        for (;; ++n) {
            std::string candidate = name + " (" + std::to_string(n) + ")";
            if (taken_.insert(names_.sortKey(candidate)).second) {
                ++n;
                return candidate;
            }
        }
    }

  private:
    const NameCollator& names_;
    std::unordered_set<std::string> taken_;
    std::unordered_map<std::string, int> nextNumber_;
};

// Each row of a query's text columns, as stored (bytes that are not UTF-8 included).
void eachRow(sqlite3* db, const char* sql,
             const std::function<void(std::int64_t, const std::vector<std::string>&)>& take) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) != SQLITE_OK) {
        throw StoreError(sqlite3_errmsg(db));
    }
    std::vector<std::string> texts;
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        texts.clear();
        for (int column = 1; column < sqlite3_column_count(stmt); ++column) {
            const auto* bytes = static_cast<const char*>(sqlite3_column_blob(stmt, column));
            texts.emplace_back(bytes ? bytes : "",
                               static_cast<std::size_t>(sqlite3_column_bytes(stmt, column)));
        }
        take(sqlite3_column_int64(stmt, 0), texts);
    }
    sqlite3_finalize(stmt);
    if (rc != SQLITE_DONE) {
        throw StoreError(sqlite3_errmsg(db));
    }
}

} // namespace

std::string shownName(const std::string& stored) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    forEachUtf8Piece(stored, [&out](std::string_view piece, bool wellFormed) {
        if (wellFormed) {
            out += piece;
            return;
        }
        for (const char c : piece) {
            const auto byte = static_cast<std::uint8_t>(c);
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        }
    });
    return out;
}

namespace {

NameRepairPlan planFrom(sqlite3* db, const NameCollator& names) {
    NameRepairPlan plan;
    // Categories in order of entry; the earliest keeps its name.
    TakenNames categories(names);
    std::unordered_map<std::string, std::string> movedGroups; // stored name -> repaired name
    std::set<std::string> keptGroups;
    eachRow(db, "select rowid, groupcaption from tblGroups order by rowid",
            [&](std::int64_t rowid, const std::vector<std::string>& texts) {
                const std::string& stored = texts[0];
                bool unreadable = false;
                const std::string name = categories.claim(validUtf8(stored, unreadable));
                if (name == stored) {
                    keptGroups.insert(stored);
                    return;
                }
                plan.groups.push_back({rowid, name});
                plan.renames.push_back({true, "", stored, name, unreadable});
                // The shortcuts filed under exactly this name go with it; those of an exact
                // twin of a category kept earlier stay with that one.
                if (!keptGroups.count(stored) && !movedGroups.count(stored)) {
                    movedGroups.emplace(stored, name);
                }
            });

    // Shortcuts in order of entry, each category's captions apart.
    std::unordered_map<std::string, TakenNames> captionsByGroup;
    std::unordered_map<std::string, std::string> groupKeys;
    eachRow(db, "select rowid, groupcaption, itemcaption from tblItems order by rowid",
            [&](std::int64_t rowid, const std::vector<std::string>& texts) {
                const std::string& storedGroup = texts[0];
                const std::string& storedCaption = texts[1];
                bool unreadable = false;
                const auto moved = movedGroups.find(storedGroup);
                const std::string group =
                    moved != movedGroups.end() ? moved->second : validUtf8(storedGroup, unreadable);
                // Most shortcuts share a few categories: each category's key is made once.
                auto key = groupKeys.find(group);
                if (key == groupKeys.end()) {
                    key = groupKeys.emplace(group, names.sortKey(group)).first;
                }
                TakenNames& captions =
                    captionsByGroup.try_emplace(key->second, TakenNames(names)).first->second;
                const std::string caption = captions.claim(validUtf8(storedCaption, unreadable));
                if (group == storedGroup && caption == storedCaption) {
                    return;
                }
                plan.items.push_back({rowid, group, caption});
                if (caption != storedCaption) {
                    plan.renames.push_back({false, group, storedCaption, caption,
                                            validUtf8(storedCaption, unreadable) != storedCaption});
                }
            });
    return plan;
}

} // namespace

NameRepairPlan planNameRepairs(Connection& db) {
    if (!db.isOpen()) {
        throw catalogueNotOpen();
    }
    return planFrom(db.handle(), *db.nameCollator());
}

NameRepairPlan planNameRepairs(const std::string& path, const std::string& vfs,
                               const NameCollator& names) {
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY,
                                   vfs.empty() ? nullptr : vfs.c_str());
    const std::unique_ptr<sqlite3, int (*)(sqlite3*)> closer(db, sqlite3_close);
    if (rc != SQLITE_OK) {
        throw StoreError(Message{STORE_TEXT("Vantory", "The catalogue %1 cannot be read: %2."),
                                 {path, db ? sqlite3_errmsg(db) : sqlite3_errstr(rc)}});
    }
    sqlite3_busy_timeout(db, 2000);
    return planFrom(db, names);
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
