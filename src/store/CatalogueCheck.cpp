// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/CatalogueCheck.h"

#include <sqlite3.h>

#include <memory>

namespace store {

namespace {

struct StatementDeleter {
    void operator()(sqlite3_stmt* s) const { sqlite3_finalize(s); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementDeleter>;

// The most problems a quick check reports; the first few are enough to tell what happened.
constexpr int kProblemsReported = 5;

} // namespace

TableCheck checkTables(sqlite3* db) {
    static const char* const kChecks[] = {
        "select groupcaption,groupdescription,backgroundimage,grouptextcolor from tblGroups "
        "limit 0",
        "select groupcaption,itemcaption,itemdescription,itempath,itemparameter,itemtype,"
        "itemtextcolor,openas from tblItems limit 0",
    };
    for (const char* check : kChecks) {
        sqlite3_stmt* raw = nullptr;
        int result = sqlite3_prepare_v2(db, check, -1, &raw, nullptr);
        Statement stmt(raw);
        if (result == SQLITE_OK) {
            result = sqlite3_step(stmt.get());
            if (result == SQLITE_DONE || result == SQLITE_ROW) {
                result = SQLITE_OK;
            }
        }
        if (result != SQLITE_OK) {
            return TableCheck{result, sqlite3_errmsg(db)};
        }
    }
    return TableCheck{};
}

namespace {

// What is wrong with the first column of the first row `sql` gives, which SQLite's checks
// report as "ok" when all is well.
std::string firstProblem(sqlite3* db, const char* sql) {
    sqlite3_stmt* raw = nullptr;
    int rc = sqlite3_prepare_v2(db, sql, -1, &raw, nullptr);
    Statement stmt(raw);
    if (rc == SQLITE_OK) {
        rc = sqlite3_step(stmt.get());
    }
    if (rc == SQLITE_DONE) {
        return "";
    }
    if (rc != SQLITE_ROW) {
        return sqlite3_errmsg(db);
    }
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt.get(), 0));
    return text && std::string(text) == "ok" ? "" : (text ? text : "unreadable");
}

} // namespace

std::string checkCatalogue(sqlite3* db) {
    std::string problem = firstProblem(db, "PRAGMA integrity_check(1)");
    if (problem.empty()) {
        // A view or a virtual table of a table's name would run whatever it is made of.
        problem = firstProblem(
            db, "select name || ' is a ' || type || ', not an ordinary table' from sqlite_schema "
                "where name in ('tblGroups', 'tblItems') collate nocase and (type <> 'table' or "
                "sql not like 'create table%')");
    }
    if (problem.empty()) {
        const TableCheck tables = checkTables(db);
        problem = tables.code == SQLITE_OK ? "" : tables.reason;
    }
    return problem;
}

QuickCheck quickCheck(sqlite3* db) {
    const std::string sql = "PRAGMA quick_check(" + std::to_string(kProblemsReported) + ")";
    sqlite3_stmt* raw = nullptr;
    int rc = sqlite3_prepare_v2(db, sql.c_str(), -1, &raw, nullptr);
    Statement stmt(raw);
    QuickCheck result;
    while (rc == SQLITE_OK || rc == SQLITE_ROW) {
        rc = sqlite3_step(stmt.get());
        if (rc == SQLITE_ROW) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt.get(), 0));
            std::string line = text ? text : "";
            // SQLite puts a heading naming the schema before the first problem.
            if (line.rfind("*** in database", 0) == 0) {
                const auto end = line.find('\n');
                line.erase(0, end == std::string::npos ? line.size() : end + 1);
            }
            if (line != "ok" && !line.empty()) {
                result.problems.push_back(line);
            }
        }
    }
    if (rc != SQLITE_DONE) {
        result.code = rc;
        result.problems.emplace_back(sqlite3_errmsg(db));
    }
    return result;
}

} // namespace store
