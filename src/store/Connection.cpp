#include "store/Connection.h"

#include "store/CaseFold.h"
#include "store/StoreError.h"

#include <sqlite3.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace store {

namespace {

struct StatementDeleter {
    void operator()(sqlite3_stmt* s) const { sqlite3_finalize(s); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementDeleter>;

// Compares column text for NOCASE: every letter, not only A-Z, ignores case.
int compareNoCase(void*, int lengthA, const void* a, int lengthB, const void* b) {
    return compareIgnoringCase(
        std::string_view(static_cast<const char*>(a), static_cast<std::size_t>(lengthA)),
        std::string_view(static_cast<const char*>(b), static_cast<std::size_t>(lengthB)));
}

// The message for a failed statement, worded for the user.
StoreError statementError(sqlite3* db, int rc) {
    switch (rc & 0xFF) {
    case SQLITE_READONLY:
        return StoreError("The catalogue file is read-only, so the change was not saved.");
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return StoreError("The catalogue is busy in another program. Please try again.");
    case SQLITE_FULL:
        return StoreError("The disk is full, so the change was not saved.");
    default:
        return StoreError(std::string("Catalogue error: ") + sqlite3_errmsg(db));
    }
}

bool onlyWhitespace(const char* s) {
    for (; s != nullptr && *s != '\0'; ++s) {
        if (*s != ' ' && *s != '\t' && *s != '\n' && *s != '\r' && *s != ';') {
            return false;
        }
    }
    return true;
}

Statement prepare(sqlite3* db, const std::string& sql, const std::vector<Value>& params) {
    sqlite3_stmt* raw = nullptr;
    const char* tail = nullptr;
    const int rc =
        sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size() + 1), &raw, &tail);
    Statement stmt(raw);
    if (rc != SQLITE_OK) {
        throw statementError(db, rc);
    }
    if (!onlyWhitespace(tail)) {
        throw StoreError("Catalogue error: only one statement can run at a time.");
    }
    const int expected = stmt ? sqlite3_bind_parameter_count(stmt.get()) : 0;
    if (expected != static_cast<int>(params.size())) {
        throw StoreError("Catalogue error: the statement takes " + std::to_string(expected) +
                         " values but " + std::to_string(params.size()) + " were given.");
    }
    for (std::size_t i = 0; i < params.size(); ++i) {
        const int index = static_cast<int>(i + 1);
        int bound = SQLITE_OK;
        if (const auto* s = std::get_if<std::string>(&params[i])) {
            bound = sqlite3_bind_text(stmt.get(), index, s->data(), static_cast<int>(s->size()),
                                      SQLITE_TRANSIENT);
        } else {
            bound = sqlite3_bind_int64(
                stmt.get(), index, static_cast<sqlite3_int64>(std::get<std::int64_t>(params[i])));
        }
        if (bound != SQLITE_OK) {
            throw statementError(db, bound);
        }
    }
    return stmt;
}

Cell readCell(sqlite3_stmt* stmt, int column) {
    switch (sqlite3_column_type(stmt, column)) {
    case SQLITE_INTEGER:
        return static_cast<std::int64_t>(sqlite3_column_int64(stmt, column));
    case SQLITE_FLOAT:
        return sqlite3_column_double(stmt, column);
    case SQLITE_NULL:
        return std::monostate{};
    default: {
        const auto* bytes = static_cast<const char*>(sqlite3_column_blob(stmt, column));
        const int length = sqlite3_column_bytes(stmt, column);
        return bytes ? std::string(bytes, static_cast<std::size_t>(length)) : std::string();
    }
    }
}

// Runs a statement whose result does not matter, ignoring failure.
void tryExec(sqlite3* db, const char* sql) {
    sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
}

} // namespace

Connection::~Connection() {
    close();
}

void Connection::open(const std::string& path) {
    close();

    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) {
            throw StoreError("The catalogue file " + path + " does not exist.");
        }
        throw StoreError("The catalogue file " + path +
                         " cannot be opened: " + std::strerror(errno) + ".");
    }
    if (S_ISDIR(info.st_mode)) {
        throw StoreError("The file " + path + " is not a Vantory catalogue: it is a folder.");
    }

    // The lock lives on its own descriptor, taken before SQLite touches the file, so a second
    // Vantory on the same catalogue is refused before it reads or changes anything.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        throw StoreError("The catalogue file " + path +
                         " cannot be opened: " + std::strerror(errno) + ".");
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        if (error == EWOULDBLOCK) {
            throw CatalogueInUse("The catalogue " + path +
                                 " is in use by another running Vantory. Close the other Vantory "
                                 "and start this one again.");
        }
        throw StoreError("The catalogue " + path + " cannot be locked: " + std::strerror(error) +
                         ".");
    }

    sqlite3* db = nullptr;
    // Closing the lock descriptor drops every fcntl lock this process holds on the file,
    // SQLite's included, so it is closed only once SQLite is done with the file.
    const auto fail = [&](const std::string& message) {
        sqlite3_close(db);
        ::close(fd);
        return StoreError(message);
    };

    // Without SQLITE_OPEN_CREATE a missing file is never made; a read-only file opens read-only.
    const int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    if (rc != SQLITE_OK) {
        const std::string reason = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
        throw fail("The catalogue file " + path + " cannot be opened: " + reason + ".");
    }
    // Replaces the built-in ASCII-only NOCASE on this connection, so the tables' NOCASE columns
    // compare and sort every letter without case. The file stays a standard SQLite database.
    if (sqlite3_create_collation_v2(db, "NOCASE", SQLITE_UTF8, nullptr, compareNoCase, nullptr) !=
        SQLITE_OK) {
        throw fail(std::string("Catalogue error: ") + sqlite3_errmsg(db));
    }
    sqlite3_busy_timeout(db, 2000);

    // Check the tables and columns before anything is written.
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
        if (result == SQLITE_OK) {
            continue;
        }
        const std::string reason = sqlite3_errmsg(db);
        stmt.reset();
        switch (result & 0xFF) {
        case SQLITE_NOTADB:
            throw fail("The file " + path +
                       " is not a Vantory catalogue: it is not a database file.");
        case SQLITE_ERROR:
            throw fail("The file " + path + " is not a Vantory catalogue: " + reason);
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            throw fail("The catalogue " + path + " is busy in another program. Please try again.");
        case SQLITE_CORRUPT:
            throw fail("The catalogue " + path + " is damaged: " + reason);
        default:
            throw fail("The catalogue file " + path + " cannot be read: " + reason);
        }
    }

    readOnly_ = sqlite3_db_readonly(db, "main") == 1;
    if (!readOnly_) {
        // Write-ahead logging with normal syncing makes each single-statement change cheap while
        // every statement still commits on its own. Where the log cannot be made (a read-only
        // folder, say) the rollback journal stays.
        tryExec(db, "PRAGMA journal_mode=WAL");
        tryExec(db, "PRAGMA synchronous=NORMAL");
    }

    db_ = db;
    lockFd_ = fd;
    path_ = path;
}

void Connection::close() {
    if (db_ != nullptr) {
        if (!readOnly_) {
            // Leave an ordinary single-file database behind: copies and other tools see every
            // change, and a read-only copy still opens.
            tryExec(db_, "PRAGMA journal_mode=DELETE");
        }
        sqlite3_close(db_);
        db_ = nullptr;
    }
    if (lockFd_ >= 0) {
        ::close(lockFd_);
        lockFd_ = -1;
    }
    readOnly_ = false;
    path_.clear();
}

void Connection::execute(const std::string& sql, const std::vector<Value>& params) {
    if (db_ == nullptr) {
        throw StoreError("The catalogue is not open.");
    }
    Statement stmt = prepare(db_, sql, params);
    if (!stmt) {
        return;
    }
    int rc = SQLITE_ROW;
    while (rc == SQLITE_ROW) {
        rc = sqlite3_step(stmt.get());
    }
    if (rc != SQLITE_DONE) {
        throw statementError(db_, rc);
    }
}

ResultSet Connection::query(const std::string& sql, const std::vector<Value>& params) {
    if (db_ == nullptr) {
        throw StoreError("The catalogue is not open.");
    }
    Statement stmt = prepare(db_, sql, params);
    if (!stmt) {
        return ResultSet({}, {});
    }
    const int count = sqlite3_column_count(stmt.get());
    std::vector<std::string> columns;
    columns.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const char* name = sqlite3_column_name(stmt.get(), i);
        columns.emplace_back(name ? name : "");
    }
    std::vector<std::vector<Cell>> rows;
    int rc = SQLITE_OK;
    while ((rc = sqlite3_step(stmt.get())) == SQLITE_ROW) {
        std::vector<Cell> row;
        row.reserve(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) {
            row.push_back(readCell(stmt.get(), i));
        }
        rows.push_back(std::move(row));
    }
    if (rc != SQLITE_DONE) {
        throw statementError(db_, rc);
    }
    return ResultSet(std::move(columns), std::move(rows));
}

} // namespace store
