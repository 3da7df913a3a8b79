// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/NameCollator.h"
#include "store/PageCheck.h"
#include "store/ResultSet.h"
#include "store/StatementCache.h"
#include "store/StoreError.h"
#include "store/Value.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct sqlite3;

namespace store {

struct OpenOptions {
    // The locale whose rules compare and sort names; unset takes the user's locale from the
    // environment (LC_ALL, LC_COLLATE, LANG), "" the language-neutral root order.
    std::optional<std::string> collationLocale = std::nullopt;
    // The SQLite VFS the file is opened through; empty for the default. Tests open through one
    // that fails writes on purpose.
    std::string vfs = {};
    // Leaves SQLite's quick check of every page for startPageCheck() to run on a thread of its
    // own, so that a large catalogue opens at once. Until its result is taken the file takes no
    // change: the first write runs the check (when not started yet) and waits for it.
    bool checkPagesInBackground = false;
};

// The one connection to the catalogue file. Each statement takes effect on its own.
// Every failure throws StoreError with a message a user understands.
class Connection {
  public:
    Connection() = default;
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Opens an existing catalogue; never creates, truncates or rewrites the file, and a session
    // that only reads leaves it byte for byte as it was. Refuses a file that is not a SQLite
    // database, lacks a table or column, or is held by another Vantory. A read-only file opens
    // for reading; isReadOnly() tells. A damaged file (SQLite's quick check fails) opens
    // read-only so that nothing makes it worse, with isDamaged() set; one too damaged to read its
    // tables at all is refused with DamagedCatalogueError.
    void open(const std::string& path, const OpenOptions& options = {});
    // With the pages checked in the background: true until settlePageCheck() has taken the result.
    bool pageCheckPending() const { return pageCheckDue_ || pageCheck_ != nullptr; }
    // Starts the background check of the pages, once; `whenDone` runs on the check's thread when
    // settlePageCheck() can take the result without waiting.
    void startPageCheck(std::function<void()> whenDone);
    // Waits for a background check and takes its result: a damaged file is opened again
    // read-only, exactly as if the damage had been found at open, and isDamaged() tells.
    // Throws DamagedCatalogueError, and closes, when what is left cannot be read.
    void settlePageCheck();
    bool isOpen() const { return db_ != nullptr; }
    bool isReadOnly() const { return readOnly_; }
    // The folder that holds the file cannot be written: SQLite cannot make its journal there,
    // so no change can be saved even though the file itself is writable.
    bool isFolderReadOnly() const;
    bool isDamaged() const { return damaged_; }
    // For a damaged catalogue, what was found, worded for the user; "" otherwise.
    std::string damageReport() const { return damage_.english(); }
    // The same, for translating.
    const Message& damage() const { return damage_; }
    void close();

    void execute(const std::string& sql, const std::vector<Value>& params = {});
    ResultSet query(const std::string& sql, const std::vector<Value>& params = {});

    // Readies the file for the first change of the session (switches to the write-ahead log);
    // execute() calls it for every statement that writes, Transaction before it begins.
    // Throws StoreError for a damaged catalogue, which takes no changes.
    void prepareToWrite();

    const std::string& path() const { return path_; }
    const std::string& vfs() const { return vfs_; }
    // The SQLite handle, for the store's own helpers (backups); null when closed.
    sqlite3* handle() const { return db_; }

    // Compares two names as the catalogue's NOCASE does: <0, 0 or >0.
    int compareNames(std::string_view a, std::string_view b) const;
    // A key for a valid UTF-8 name: equal keys exactly for names compareNames() calls equal.
    std::string nameKey(std::string_view name) const;
    // The collator compareNames() uses, for work on another thread that sorts names alike.
    std::shared_ptr<const NameCollator> nameCollator() const { return names_; }
    // Grows with every row this connection changes and differs once the file is opened again,
    // so a copy of the rows taken at one value is still current while the value is unchanged.
    std::pair<const void*, std::int64_t> changeStamp() const;

  private:
    // `sql` compiled, or taken from the cache; empty for text without a statement.
    StatementCache::InUse statement(const std::string& sql);
    // Opens the file again read-only for what `problems` found; throws DamagedCatalogueError,
    // with the connection closed, when even the tables cannot be read.
    void reopenDamaged(const std::vector<std::string>& problems);

    std::shared_ptr<const NameCollator> names_;
    std::unique_ptr<PageCheck> pageCheck_;
    bool pageCheckDue_ = false;
    StatementCache statements_;
    sqlite3* db_ = nullptr;
    int lockFd_ = -1;
    bool readOnly_ = false;
    bool damaged_ = false;
    bool writeAheadLog_ = false;
    Message damage_;
    std::string path_;
    std::string vfs_;
};

} // namespace store
