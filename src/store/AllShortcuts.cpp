// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/AllShortcuts.h"

#include "store/StoreError.h"

#include <sqlite3.h>

#include <algorithm>
#include <memory>
#include <optional>

namespace store {

void forEachShortcut(const std::string& path, const std::string& vfs, int part, int parts,
                     const std::function<void(const ShortcutText&)>& take,
                     const std::function<void(std::size_t rows)>& expect) {
    sqlite3* raw = nullptr;
    // Used by one thread only: SQLite need not lock around each of its calls.
    const int opened =
        sqlite3_open_v2(path.c_str(), &raw, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX,
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
    // Each page is read once, in order: a small cache serves as well, and the memory of a large
    // one, touched for the first time, costs more than the reading.
    sqlite3_exec(raw, "PRAGMA cache_size=-128", nullptr, nullptr, nullptr);
    const auto prepare = [&](const char* sql) {
        sqlite3_stmt* made = nullptr;
        const int prepared = sqlite3_prepare_v2(db.get(), sql, -1, &made, nullptr);
        std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> statement(made, sqlite3_finalize);
        if (prepared != SQLITE_OK) {
            throw fail(prepared);
        }
        return statement;
    };
    // The parts are runs of row ids, so that all of them together are the table in its order.
    // One read transaction for all the statements below, ended when the connection closes.
    if (const int begun = sqlite3_exec(raw, "begin", nullptr, nullptr, nullptr);
        begun != SQLITE_OK) {
        throw fail(begun);
    }
    // Asked apart: min() and max() in one query read the whole table, each alone one page.
    const auto end = [&](const char* sql) -> std::optional<std::uint64_t> {
        const auto statement = prepare(sql);
        if (sqlite3_step(statement.get()) != SQLITE_ROW ||
            sqlite3_column_type(statement.get(), 0) == SQLITE_NULL) {
            return std::nullopt;
        }
        return static_cast<std::uint64_t>(sqlite3_column_int64(statement.get(), 0));
    };
    const std::optional<std::uint64_t> lowest = end("select min(rowid) from [tblItems]");
    const std::optional<std::uint64_t> highest = end("select max(rowid) from [tblItems]");
    if (!lowest || !highest) {
        return; // no shortcut at all
    }
    const std::uint64_t first = *lowest;
    const std::uint64_t last = *highest;
    // Counted without overflow: the row ids may span all 64 bits.
    const std::uint64_t span = last - first;
    const auto count = static_cast<std::uint64_t>(parts);
    const auto start = [&](std::uint64_t p) {
        return first + span / count * p + (span % count) * p / count + (p == 0 ? 0 : 1);
    };
    const std::uint64_t from = start(static_cast<std::uint64_t>(part));
    const std::uint64_t to =
        part + 1 == parts ? last : start(static_cast<std::uint64_t>(part) + 1) - 1;
    if (expect) {
        // A row takes a few bytes of the file at the very least.
        constexpr std::uint64_t kSmallestRow = 8;
        const std::uint64_t fileRows = end("PRAGMA page_count").value_or(0) *
                                       end("PRAGMA page_size").value_or(0) / kSmallestRow;
        expect(to < from ? 0 : static_cast<std::size_t>(std::min(to - from, fileRows) + 1));
    }
    const auto statement = prepare("select [groupcaption], [itemcaption], [itemdescription], "
                                   "[itempath], [itemtype] from [tblItems] "
                                   "where rowid between ?1 and ?2");
    sqlite3_stmt* rawStatement = statement.get();
    sqlite3_bind_int64(rawStatement, 1, static_cast<sqlite3_int64>(from));
    sqlite3_bind_int64(rawStatement, 2, static_cast<sqlite3_int64>(to));
    const auto text = [&](int column) {
        // As a blob: the text's bytes as stored, with no terminating copy made. Through the
        // column's value, which only this thread uses: each sqlite3_column_ call locks and
        // checks the statement again, and that costs as much as the copy.
        sqlite3_value* value = sqlite3_column_value(rawStatement, column);
        const auto* bytes = static_cast<const char*>(sqlite3_value_blob(value));
        return bytes ? std::string_view(bytes, static_cast<std::size_t>(sqlite3_value_bytes(value)))
                     : std::string_view();
    };
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(rawStatement)) == SQLITE_ROW) {
        take({text(0), text(1), text(2), text(3),
              static_cast<std::int16_t>(sqlite3_column_int(rawStatement, 4))});
    }
    if (rc != SQLITE_DONE) {
        throw fail(rc);
    }
}

std::vector<ShortcutSummary> readAllShortcuts(const std::string& path, const std::string& vfs,
                                              int part, int parts) {
    std::vector<ShortcutSummary> shortcuts;
    forEachShortcut(path, vfs, part, parts, [&shortcuts](const ShortcutText& shortcut) {
        shortcuts.push_back({std::string(shortcut.category), std::string(shortcut.caption),
                             std::string(shortcut.description), std::string(shortcut.path),
                             shortcut.kind});
    });
    return shortcuts;
}

} // namespace store
