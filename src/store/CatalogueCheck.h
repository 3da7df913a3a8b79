// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

struct sqlite3;

// Checks run on a catalogue file as it opens, before anything is written.
namespace store {

struct TableCheck {
    int code = 0; // an SQLite result code: SQLITE_OK when both tables read with every column
    std::string reason;
};

// Reads the two tables' columns (no rows), which also reads the file's header and schema.
TableCheck checkTables(sqlite3* db);

// What is wrong with the catalogue open on db as a source of rows: SQLite's integrity check,
// both tables ordinary tables (not views, not virtual) with every column. "" when sound.
std::string checkCatalogue(sqlite3* db);

struct QuickCheck {
    int code = 0;                      // SQLITE_OK, or the error that stopped the check
    std::vector<std::string> problems; // what was found wrong; empty when the file is sound
};

// SQLite's quick check of the whole file: every page and every row is read once. Reports at most
// a few problems; an error that stops the check (a page that cannot be read) is one of them.
QuickCheck quickCheck(sqlite3* db);

} // namespace store
