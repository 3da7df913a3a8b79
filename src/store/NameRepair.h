// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace store {

class Connection;
class NameCollator;

// One name changed so that the program can tell every name apart and show it: a category (or
// a shortcut within its category) whose name the program's comparison calls equal to an earlier
// one's gets " (2)", " (3)" added; a name that is not valid UTF-8 has each bad byte sequence
// replaced by U+FFFD.
struct Rename {
    bool isCategory = false;
    std::string category; // a shortcut's category, as it is after the repair
    std::string from;     // the name as stored (possibly not valid UTF-8)
    std::string to;
    bool wasUnreadable = false; // `from` was not valid UTF-8
};

// What repairNames() would change, found by reading only: every category and shortcut name is
// read once. Categories keep their order of entry: the earliest of alike names keeps its name.
struct NameRepairPlan {
    std::vector<Rename> renames; // what the user is told, categories first
    // The rows to change: rowid and new name, for each table's rows.
    struct GroupChange {
        std::int64_t rowid;
        std::string caption;
    };
    struct ItemChange {
        std::int64_t rowid;
        std::string group;
        std::string caption;
    };
    std::vector<GroupChange> groups;
    std::vector<ItemChange> items;
    bool empty() const { return groups.empty() && items.empty(); }
};
NameRepairPlan planNameRepairs(Connection& db);
// The same plan, for a thread of its own: read through a read-only connection of its own to the
// catalogue at `path` (through the SQLite VFS `vfs`, "" for the default), names compared by
// `names` (Connection::nameCollator()).
NameRepairPlan planNameRepairs(const std::string& path, const std::string& vfs,
                               const NameCollator& names);

// A stored name as the user is told it: valid UTF-8, with each byte that is not part of a
// well-formed sequence written as \xNN, so that a name before and after its repair differ
// visibly (U+FFFD alone would read the same in both).
std::string shownName(const std::string& stored);

// Makes the plan's changes in one transaction: all or none.
void repairNames(Connection& db, const NameRepairPlan& plan);

} // namespace store
