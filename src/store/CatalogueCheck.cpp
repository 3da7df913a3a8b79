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

std::string immutableUri(const std::string& path) {
    std::string uri = "file:";
    for (const char c : path) {
        if (c == '%' || c == '?' || c == '#') {
            static const char kHex[] = "0123456789ABCDEF";
            uri += '%';
            uri += kHex[(static_cast<unsigned char>(c) >> 4) & 0xF];
            uri += kHex[static_cast<unsigned char>(c) & 0xF];
        } else {
            uri += c;
        }
    }
    return uri + "?immutable=1";
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
