// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

struct sqlite3;

namespace store {

// True when the database file at otherPath holds exactly what db holds: the same tables with the
// same definitions and the same rows, value for value, in the same stored order. False when the
// other file is missing, unreadable or different in any way. Page layout, free pages and the
// file header's counters do not count, so a copy made by SQLite's backup matches its source.
// Files that match page for page are taken as equal without reading a row, which is what makes
// the common case (nothing changed since the last backup) cheap.
bool sameContent(sqlite3* db, const std::string& otherPath);

// True when two database files hold the same pages byte for byte, apart from the header's
// bookkeeping counters (change counter, schema cookie, version numbers). A page-for-page copy of
// an unchanged file passes; any other difference fails.
bool samePages(const std::string& a, const std::string& b);

} // namespace store
