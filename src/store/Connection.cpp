// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/Connection.h"

#include "store/CatalogueCheck.h"
#include "store/CatalogueLock.h"
#include "store/NameCollator.h"
#include "store/PageCheck.h"
#include "store/StoreError.h"

#include <sqlite3.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace store {

namespace {

// A read of this many rows or more gives back the cached pages it went through.
constexpr std::size_t kLargeRead = 1000;

struct StatementDeleter {
    void operator()(sqlite3_stmt* s) const { sqlite3_finalize(s); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementDeleter>;

using SharedCollator = std::shared_ptr<const NameCollator>;

// Compares column text for NOCASE with the connection's own collator.
int compareNoCase(void* collator, int lengthA, const void* a, int lengthB, const void* b) {
    return (*static_cast<const SharedCollator*>(collator))
        ->compare(std::string_view(static_cast<const char*>(a), static_cast<std::size_t>(lengthA)),
                  std::string_view(static_cast<const char*>(b), static_cast<std::size_t>(lengthB)));
}

void releaseCollator(void* collator) {
    delete static_cast<SharedCollator*>(collator);
}

// True when the folder holding the file at `path` cannot be written: SQLite cannot make its
// journal there, so nothing can be saved even into a writable file.
bool folderIsReadOnly(const std::string& path) {
    const std::string::size_type slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    return ::access(folder.c_str(), W_OK) != 0;
}

// The message for a failed statement, worded for the user.
StoreError statementError(sqlite3* db, int rc) {
    switch (rc & 0xFF) {
    case SQLITE_READONLY:
        if (const char* file = sqlite3_db_filename(db, "main");
            rc == SQLITE_READONLY_DIRECTORY ||
            (file != nullptr && *file != '\0' && ::access(file, W_OK) == 0 &&
             folderIsReadOnly(file))) {
            return StoreError(Message{
                STORE_TEXT(
                    "Vantory",
                    "The folder of the catalogue is read-only, so the change was not saved."),
                {}});
        }
        return StoreError(Message{
            STORE_TEXT("Vantory", "The catalogue file is read-only, so the change was not saved."),
            {}});
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return StoreError(Message{
            STORE_TEXT("Vantory", "The catalogue is busy in another program. Please try again."),
            {}});
    case SQLITE_FULL:
        return StoreError(
            Message{STORE_TEXT("Vantory", "The disk is full, so the change was not saved."), {}});
    default:
        return StoreError(
            Message{STORE_TEXT("Vantory", "Catalogue error: %1"), {sqlite3_errmsg(db)}});
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

// Compiles `sql`, which must hold one statement at most; null for text without a statement.
Statement compile(sqlite3* db, const std::string& sql) {
    sqlite3_stmt* raw = nullptr;
    const char* tail = nullptr;
    const int rc = sqlite3_prepare_v3(db, sql.c_str(), static_cast<int>(sql.size() + 1),
                                      SQLITE_PREPARE_PERSISTENT, &raw, &tail);
    Statement stmt(raw);
    if (rc != SQLITE_OK) {
        throw statementError(db, rc);
    }
    if (!onlyWhitespace(tail)) {
        throw StoreError("Catalogue error: only one statement can run at a time.");
    }
    return stmt;
}

void bind(sqlite3* db, sqlite3_stmt* stmt, const std::vector<Value>& params) {
    const int expected = stmt ? sqlite3_bind_parameter_count(stmt) : 0;
    if (expected != static_cast<int>(params.size())) {
        throw StoreError("Catalogue error: the statement takes " + std::to_string(expected) +
                         " values but " + std::to_string(params.size()) + " were given.");
    }
    for (std::size_t i = 0; i < params.size(); ++i) {
        const int index = static_cast<int>(i + 1);
        int bound = SQLITE_OK;
        if (const auto* s = std::get_if<std::string>(&params[i])) {
            // The values outlive every step of the statement (it runs to its end within the
            // call that bound them, and each use binds all its values anew), so SQLite need
            // not copy them.
            bound = sqlite3_bind_text(stmt, index, s->data(), static_cast<int>(s->size()),
                                      SQLITE_STATIC);
        } else {
            bound = sqlite3_bind_int64(
                stmt, index, static_cast<sqlite3_int64>(std::get<std::int64_t>(params[i])));
        }
        if (bound != SQLITE_OK) {
            throw statementError(db, bound);
        }
    }
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

// Sets the journal mode and returns the mode now in force ("" when that cannot be read).
std::string setJournalMode(sqlite3* db, const char* sql) {
    sqlite3_stmt* raw = nullptr;
    Statement stmt(sqlite3_prepare_v2(db, sql, -1, &raw, nullptr) == SQLITE_OK ? raw : nullptr);
    if (!stmt || sqlite3_step(stmt.get()) != SQLITE_ROW) {
        return "";
    }
    const auto* mode = reinterpret_cast<const char*>(sqlite3_column_text(stmt.get(), 0));
    return mode ? mode : "";
}

// Opens the file through SQLite with NOCASE replaced by `names`. Without SQLITE_OPEN_CREATE a
// missing file is never made; asked for read-write, a read-only file opens read-only. Returns
// null with the reason in `reason` on failure.
sqlite3* openHandle(const std::string& path, int flags, const std::string& vfs,
                    const SharedCollator& names, std::string& reason) {
    sqlite3* db = nullptr;
    // Only the thread that opened the connection uses it (the page check opens its own), so
    // SQLite need not take a lock around every call.
    const int rc = sqlite3_open_v2(path.c_str(), &db, flags | SQLITE_OPEN_NOMUTEX,
                                   vfs.empty() ? nullptr : vfs.c_str());
    if (rc != SQLITE_OK) {
        reason = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
        sqlite3_close(db);
        return nullptr;
    }
    // Replaces the built-in ASCII-only NOCASE on this connection, so the tables' NOCASE columns
    // compare and sort names as a reader expects. The file stays a standard SQLite database.
    // The handle keeps the collator alive until it closes.
    auto* shared = new SharedCollator(names);
    if (sqlite3_create_collation_v2(db, "NOCASE", SQLITE_UTF8, shared, compareNoCase,
                                    releaseCollator) != SQLITE_OK) {
        delete shared; // SQLite does not call the destructor when registering fails
        reason = sqlite3_errmsg(db);
        sqlite3_close(db);
        return nullptr;
    }
    sqlite3_busy_timeout(db, 2000);
    return db;
}

// Closes a handle on a file that is damaged, or not known to be sound, without writing: the last
// handle to close would otherwise copy a write-ahead log left by a killed session into the file,
// changing the damaged file and emptying the log a restore or a recovery tool may still need.
void closeWithoutCheckpoint(sqlite3* db) {
    if (db != nullptr) {
        sqlite3_db_config(db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    }
    sqlite3_close(db);
}

// True when a page check ended without a verdict: another program held the file, memory ran
// out, or the check was stopped or could not open the file. None of these is damage.
bool checkWasCutShort(int code) {
    switch (code & 0xFF) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
    case SQLITE_NOMEM:
    case SQLITE_INTERRUPT:
    case SQLITE_CANTOPEN:
        return true;
    default:
        return false;
    }
}

// The refusal for a file whose tables cannot be read, worded for the user.
StoreError unreadableTables(const std::string& path, const TableCheck& check) {
    switch (check.code & 0xFF) {
    case SQLITE_NOTADB:
        return StoreError(Message{
            STORE_TEXT("Vantory", "The file %1 is not a Vantory catalogue: it is not a database "
                                  "file."),
            {path}});
    case SQLITE_ERROR:
        return StoreError(
            Message{STORE_TEXT("Vantory", "The file %1 is not a Vantory catalogue: %2"),
                    {path, check.reason}});
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return StoreError(Message{
            STORE_TEXT("Vantory", "The catalogue %1 is busy in another program. Please try again."),
            {path}});
    default:
        return StoreError(Message{STORE_TEXT("Vantory", "The catalogue file %1 cannot be read: %2"),
                                  {path, check.reason}});
    }
}

Message describeDamage(const std::string& path, const std::vector<std::string>& problems) {
    if (problems.empty()) {
        return {STORE_TEXT("Vantory", "The catalogue %1 is damaged. It is open read-only, so "
                                      "nothing can be changed and nothing makes the damage worse."),
                {path}};
    }
    return {STORE_TEXT("Vantory", "The catalogue %1 is damaged. It is open read-only, so nothing "
                                  "can be changed and nothing makes the damage worse. The first "
                                  "problem found: %2"),
            {path, problems.front()}};
}

} // namespace

Connection::~Connection() {
    close();
}

void Connection::open(const std::string& path, const OpenOptions& options) {
    close();

    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) {
            throw StoreError(
                Message{STORE_TEXT("Vantory", "The catalogue file %1 does not exist."), {path}});
        }
        throw StoreError(
            Message{STORE_TEXT("Vantory", "The catalogue file %1 cannot be opened: %2."),
                    {path, std::strerror(errno)}});
    }
    if (S_ISDIR(info.st_mode)) {
        throw StoreError(Message{
            STORE_TEXT("Vantory", "The file %1 is not a Vantory catalogue: it is a folder."),
            {path}});
    }

    // The lock is taken before SQLite touches the file, so a second Vantory on the same
    // catalogue is refused before it reads or changes anything.
    const int fd = lockCatalogue(path);

    // One collator serves every handle on the file and compareNames().
    SharedCollator names;
    try {
        names = std::make_shared<const NameCollator>(
            options.collationLocale.value_or(NameCollator::localeFromEnvironment()));
    } catch (const StoreError& e) {
        ::close(fd);
        throw StoreError(
            Message{STORE_TEXT("Vantory", "The catalogue file %1 cannot be opened: %2."),
                    {path, e.what()}});
    }

    sqlite3* db = nullptr;
    // Closing the lock descriptor drops every fcntl lock this process holds on the file,
    // SQLite's included, so it is closed only once SQLite is done with the file.
    const auto fail = [&](auto error) {
        closeWithoutCheckpoint(db);
        ::close(fd);
        return error;
    };

    std::string reason;
    db = openHandle(path, SQLITE_OPEN_READWRITE, options.vfs, names, reason);
    if (db == nullptr) {
        throw fail(StoreError(Message{
            STORE_TEXT("Vantory", "The catalogue file %1 cannot be opened: %2."), {path, reason}}));
    }

    // Check the tables and columns, then every page, before anything is written.
    const TableCheck tables = checkTables(db);
    std::vector<std::string> problems;
    if ((tables.code & 0xFF) == SQLITE_CORRUPT) {
        problems.push_back(tables.reason);
    } else if (tables.code != SQLITE_OK) {
        throw fail(unreadableTables(path, tables));
    } else if (!options.checkPagesInBackground) {
        QuickCheck check = quickCheck(db);
        if (checkWasCutShort(check.code)) {
            throw fail(unreadableTables(path, TableCheck{check.code, check.problems.back()}));
        }
        problems = std::move(check.problems);
    }

    db_ = db;
    lockFd_ = fd;
    path_ = path;
    vfs_ = options.vfs;
    names_ = std::move(names);
    readOnly_ = sqlite3_db_readonly(db, "main") == 1;
    if (!problems.empty()) {
        reopenDamaged(problems);
        return;
    }
    // A file left in write-ahead-log mode (Vantory stopped before it could close) is put back to
    // a plain file at close, like one this session switched.
    writeAheadLog_ = !readOnly_ && setJournalMode(db, "PRAGMA journal_mode") == "wal";
    if (writeAheadLog_) {
        tryExec(db, "PRAGMA synchronous=NORMAL");
    }
    pageCheckDue_ = options.checkPagesInBackground;
}

void Connection::reopenDamaged(const std::vector<std::string>& problems) {
    // Read what is left without a chance of writing. A file cut short claims more pages than it
    // holds; writable_schema lets SQLite read the pages that are there instead of refusing the
    // whole file, as its own recovery tools do.
    statements_.clear();
    closeWithoutCheckpoint(db_);
    std::string reason;
    db_ = openHandle(path_, SQLITE_OPEN_READONLY, vfs_, names_, reason);
    if (db_ != nullptr) {
        // Neither does the read-only handle at its close.
        sqlite3_db_config(db_, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    }
    if (db_ == nullptr) {
        const std::string path = path_;
        close();
        throw DamagedCatalogueError(
            Message{STORE_TEXT("Vantory", "The catalogue %1 is damaged and cannot be opened: %2"),
                    {path, reason}});
    }
    tryExec(db_, "PRAGMA writable_schema=ON");
    if (checkTables(db_).code != SQLITE_OK) {
        const std::string path = path_;
        close();
        throw DamagedCatalogueError(
            Message{STORE_TEXT("Vantory", "The catalogue %1 is damaged and cannot be read: %2"),
                    {path, problems[0]}});
    }
    readOnly_ = true;
    damaged_ = true;
    writeAheadLog_ = false;
    damage_ = describeDamage(path_, problems);
}

void Connection::startPageCheck(std::function<void()> whenDone) {
    if (pageCheckDue_ && !pageCheck_) {
        pageCheck_ = std::make_unique<PageCheck>(path_, vfs_, std::move(whenDone));
        pageCheckDue_ = false;
    }
}

void Connection::settlePageCheck() {
    startPageCheck({});
    if (!pageCheck_) {
        return;
    }
    const QuickCheck check = pageCheck_->result();
    pageCheck_.reset();
    if (checkWasCutShort(check.code)) {
        // No verdict: nothing was found wrong, as when no check runs at all.
        return;
    }
    if (!check.problems.empty()) {
        reopenDamaged(check.problems);
    }
}

std::pair<const void*, std::int64_t> Connection::changeStamp() const {
    return {db_, db_ ? sqlite3_total_changes64(db_) : 0};
}

int Connection::compareNames(std::string_view a, std::string_view b) const {
    if (!names_) {
        throw catalogueNotOpen();
    }
    return names_->compare(a, b);
}

bool Connection::isFolderReadOnly() const {
    return db_ != nullptr && folderIsReadOnly(path_);
}

std::string Connection::nameKey(std::string_view name) const {
    if (!names_) {
        throw catalogueNotOpen();
    }
    return names_->sortKey(name);
}

void Connection::close() {
    pageCheck_.reset(); // stops a check still reading the file
    pageCheckDue_ = false;
    statements_.clear();
    if (db_ != nullptr) {
        if (writeAheadLog_) {
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
    damaged_ = false;
    writeAheadLog_ = false;
    damage_ = {};
    path_.clear();
    vfs_.clear();
}

void Connection::prepareToWrite() {
    if (db_ == nullptr) {
        throw catalogueNotOpen();
    }
    settlePageCheck();
    if (damaged_) {
        throw StoreError(Message{
            STORE_TEXT("Vantory", "The catalogue is damaged, so the change was not saved."), {}});
    }
    // The switch happens at the first change, not at open, so a session that only reads never
    // rewrites the file. Write-ahead logging with normal syncing makes each single-statement
    // change cheap while every statement still commits on its own. Inside a transaction the mode
    // cannot change; where the log cannot be made (a read-only folder, say) the rollback journal
    // stays.
    if (readOnly_ || writeAheadLog_ || sqlite3_get_autocommit(db_) == 0) {
        return;
    }
    if (setJournalMode(db_, "PRAGMA journal_mode=WAL") == "wal") {
        writeAheadLog_ = true;
        tryExec(db_, "PRAGMA synchronous=NORMAL");
    }
}

StatementCache::InUse Connection::statement(const std::string& sql) {
    if (sqlite3_stmt* kept = statements_.find(sql)) {
        return StatementCache::InUse(kept, true);
    }
    Statement fresh = compile(db_, sql);
    const bool kept = statements_.keep(sql, fresh.get());
    return StatementCache::InUse(fresh.release(), kept);
}

void Connection::execute(const std::string& sql, const std::vector<Value>& params) {
    if (db_ == nullptr) {
        throw catalogueNotOpen();
    }
    std::optional<StatementCache::InUse> stmt;
    stmt.emplace(statement(sql));
    if (!*stmt) {
        bind(db_, nullptr, params); // refuses values given for no statement
        return;
    }
    if (sqlite3_stmt_readonly(stmt->get()) == 0) {
        // Taking the page check's verdict may open the file again, and a statement compiled
        // before belongs to the old handle: it is taken again afterwards.
        const bool mayReopen = pageCheckPending();
        if (mayReopen) {
            stmt.reset();
        }
        prepareToWrite();
        if (mayReopen) {
            stmt.emplace(statement(sql));
        }
    }
    bind(db_, stmt->get(), params);
    int rc = SQLITE_ROW;
    while (rc == SQLITE_ROW) {
        rc = sqlite3_step(stmt->get());
    }
    if (rc != SQLITE_DONE) {
        throw statementError(db_, rc);
    }
}

ResultSet Connection::query(const std::string& sql, const std::vector<Value>& params) {
    if (db_ == nullptr) {
        throw catalogueNotOpen();
    }
    const StatementCache::InUse stmt = statement(sql);
    bind(db_, stmt.get(), params);
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
    // The rows are kept whole, so the pages a large read went through would only hold as much
    // memory again as the rows until the next read; they are read from the file again if needed.
    if (rows.size() >= kLargeRead) {
        sqlite3_reset(stmt.get());
        sqlite3_db_release_memory(db_);
    }
    return ResultSet(std::move(columns), std::move(rows));
}

} // namespace store
