// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/AllShortcuts.h"

#include "store/StoreError.h"

#include <sqlite3.h>

#include <memory>

namespace store {

std::vector<ShortcutSummary> readAllShortcuts(const std::string& path, const std::string& vfs) {
    sqlite3* raw = nullptr;
    const int opened = sqlite3_open_v2(path.c_str(), &raw, SQLITE_OPEN_READONLY,
                                       vfs.empty() ? nullptr : vfs.c_str());
    const std::unique_ptr<sqlite3, int (*)(sqlite3*)> db(raw, sqlite3_close);
    const auto fail = [&](int rc) {
        return StoreError(Message{STORE_TEXT("Vantory", "The shortcuts cannot be read: %1."),
                                  {raw ? sqlite3_errmsg(raw) : sqlite3_errstr(rc)}});
    };
    if (opened != SQLITE_OK) {
        throw fail(opened);
    }
    sqlite3_busy_timeout(raw, 2000);
    sqlite3_stmt* rawStatement = nullptr;
    const char* sql = "select [groupcaption], [itemcaption], [itemdescription], [itempath], "
                      "[itemtype] from [tblItems]";
    const int prepared = sqlite3_prepare_v2(raw, sql, -1, &rawStatement, nullptr);
    const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> statement(rawStatement,
                                                                          sqlite3_finalize);
    if (prepared != SQLITE_OK) {
        throw fail(prepared);
    }
    const auto text = [&](int column) {
        const auto* bytes =
            reinterpret_cast<const char*>(sqlite3_column_text(rawStatement, column));
        return bytes ? std::string(bytes, static_cast<std::size_t>(
                                              sqlite3_column_bytes(rawStatement, column)))
                     : std::string();
    };
    std::vector<ShortcutSummary> shortcuts;
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(rawStatement)) == SQLITE_ROW) {
        shortcuts.push_back({text(0), text(1), text(2), text(3),
                             static_cast<std::int16_t>(sqlite3_column_int(rawStatement, 4))});
    }
    if (rc != SQLITE_DONE) {
        throw fail(rc);
    }
    return shortcuts;
}

} // namespace store
