#pragma once

#include "store/ResultSet.h"
#include "store/Value.h"

#include <optional>
#include <string>
#include <vector>

struct sqlite3;

namespace store {

struct OpenOptions {
    // The locale whose rules compare and sort names; unset takes the user's locale from the
    // environment (LC_ALL, LC_COLLATE, LANG), "" the language-neutral root order.
    std::optional<std::string> collationLocale;
};

// The one connection to the catalogue file. Each statement takes effect on its own.
// Every failure throws StoreError with a message a user understands.
class Connection {
  public:
    Connection() = default;
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Opens an existing catalogue; never creates, truncates or rewrites the file. Refuses a file
    // that is not a SQLite database, lacks a table or column, or is held by another Vantory.
    // A read-only file opens for reading; isReadOnly() tells.
    void open(const std::string& path, const OpenOptions& options = {});
    bool isOpen() const { return db_ != nullptr; }
    bool isReadOnly() const { return readOnly_; }
    void close();

    void execute(const std::string& sql, const std::vector<Value>& params = {});
    ResultSet query(const std::string& sql, const std::vector<Value>& params = {});

    const std::string& path() const { return path_; }

  private:
    sqlite3* db_ = nullptr;
    int lockFd_ = -1;
    bool readOnly_ = false;
    std::string path_;
};

} // namespace store
