// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/SameContent.h"

#include <sqlite3.h>

#include <array>
#include <cstring>
#include <fstream>
#include <memory>
#include <utility>
#include <vector>

namespace store {

namespace {

struct StatementDeleter {
    void operator()(sqlite3_stmt* s) const { sqlite3_finalize(s); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementDeleter>;

struct DatabaseCloser {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};
using Database = std::unique_ptr<sqlite3, DatabaseCloser>;

Statement prepare(sqlite3* db, const std::string& sql) {
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &raw, nullptr) != SQLITE_OK) {
        sqlite3_finalize(raw);
        return nullptr;
    }
    return Statement(raw);
}

bool sameCell(sqlite3_stmt* a, sqlite3_stmt* b, int column) {
    const int type = sqlite3_column_type(a, column);
    if (type != sqlite3_column_type(b, column)) {
        return false;
    }
    switch (type) {
    case SQLITE_NULL:
        return true;
    case SQLITE_INTEGER:
        return sqlite3_column_int64(a, column) == sqlite3_column_int64(b, column);
    case SQLITE_FLOAT: {
        const double x = sqlite3_column_double(a, column);
        const double y = sqlite3_column_double(b, column);
        return std::memcmp(&x, &y, sizeof x) == 0;
    }
    default: {
        const void* x = sqlite3_column_blob(a, column);
        const void* y = sqlite3_column_blob(b, column);
        const int length = sqlite3_column_bytes(a, column);
        return length == sqlite3_column_bytes(b, column) &&
               (length == 0 || std::memcmp(x, y, static_cast<std::size_t>(length)) == 0);
    }
    }
}

// Runs sql on both databases and compares the results row by row.
bool sameRows(sqlite3* a, sqlite3* b, const std::string& sql) {
    const Statement x = prepare(a, sql);
    const Statement y = prepare(b, sql);
    if (!x || !y) {
        return false;
    }
    const int columns = sqlite3_column_count(x.get());
    if (columns != sqlite3_column_count(y.get())) {
        return false;
    }
    for (;;) {
        const int rx = sqlite3_step(x.get());
        const int ry = sqlite3_step(y.get());
        if (rx != ry) {
            return false;
        }
        if (rx == SQLITE_DONE) {
            return true;
        }
        if (rx != SQLITE_ROW) {
            return false;
        }
        for (int i = 0; i < columns; ++i) {
            if (!sameCell(x.get(), y.get(), i)) {
                return false;
            }
        }
    }
}

// Byte ranges of the file header that SQLite rewrites as bookkeeping, not content: the change
// counter, the schema cookie (a backup bumps it in its copy), and the version-valid-for number
// with the library version.
constexpr std::array<std::pair<std::size_t, std::size_t>, 3> kBookkeeping = {
    {{24, 28}, {40, 44}, {92, 100}}};

bool bookkeeping(std::size_t offset) {
    for (const auto& [from, to] : kBookkeeping) {
        if (offset >= from && offset < to) {
            return true;
        }
    }
    return false;
}

bool inWriteAheadLogMode(sqlite3* db) {
    const Statement mode = prepare(db, "PRAGMA journal_mode");
    if (!mode || sqlite3_step(mode.get()) != SQLITE_ROW) {
        return true; // unknown: the file alone may not hold every change
    }
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(mode.get(), 0));
    return text == nullptr || std::strcmp(text, "wal") == 0;
}

std::string quotedName(const std::string& name) {
    std::string quoted = "\"";
    for (char c : name) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + "\"";
}

} // namespace

bool samePages(const std::string& a, const std::string& b) {
    std::ifstream x(a, std::ios::binary);
    std::ifstream y(b, std::ios::binary);
    if (!x || !y) {
        return false;
    }
    constexpr std::size_t kChunk = 1 << 16;
    std::vector<char> bx(kChunk);
    std::vector<char> by(kChunk);
    for (std::size_t offset = 0;; offset += kChunk) {
        x.read(bx.data(), kChunk);
        y.read(by.data(), kChunk);
        const auto nx = static_cast<std::size_t>(x.gcount());
        const auto ny = static_cast<std::size_t>(y.gcount());
        if (nx != ny) {
            return false;
        }
        if (nx == 0) {
            return !x.bad() && !y.bad();
        }
        std::size_t from = 0;
        if (offset == 0) {
            for (; from < 100 && from < nx; ++from) {
                if (!bookkeeping(from) && bx[from] != by[from]) {
                    return false;
                }
            }
        }
        if (std::memcmp(bx.data() + from, by.data() + from, nx - from) != 0) {
            return false;
        }
    }
}

bool sameContent(sqlite3* db, const std::string& otherPath) {
    // The quick way first: a file at rest that matches the other page for page holds the same
    // rows. In write-ahead-log mode recent changes are in the log, not the file, so only the
    // rows tell. Pages differ while rows match after a change that was undone; the rows decide.
    const char* file = sqlite3_db_filename(db, "main");
    if (file != nullptr && !inWriteAheadLogMode(db) && samePages(file, otherPath)) {
        return true;
    }
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(otherPath.c_str(), &raw, SQLITE_OPEN_READONLY, nullptr);
    const Database other(raw);
    if (rc != SQLITE_OK) {
        return false;
    }
    if (!sameRows(db, other.get(),
                  "select name, type, tbl_name, sql from sqlite_schema order by name, type")) {
        return false;
    }
    const Statement tables = prepare(db, "select name from sqlite_schema where type='table'");
    if (!tables) {
        return false;
    }
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(tables.get())) == SQLITE_ROW) {
        const auto* name = reinterpret_cast<const char*>(sqlite3_column_text(tables.get(), 0));
        // Rows in stored (rowid) order: no sorting, so the comparison reads each table once.
        if (!sameRows(db, other.get(), "select * from " + quotedName(name ? name : ""))) {
            return false;
        }
    }
    return step == SQLITE_DONE;
}

} // namespace store
