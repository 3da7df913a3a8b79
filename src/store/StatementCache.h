// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <unordered_map>

struct sqlite3_stmt;

namespace store {

// The connection's compiled statements, kept by their text, so that a statement run once per
// row (the inserts of a drop of many files) is compiled once.
class StatementCache {
  public:
    // A statement in use: reset when it ends, finalized when the cache did not keep it.
    class InUse {
      public:
        InUse(sqlite3_stmt* statement, bool kept) : statement_(statement), kept_(kept) {}
        ~InUse();
        InUse(InUse&& other) noexcept;
        InUse(const InUse&) = delete;
        InUse& operator=(const InUse&) = delete;
        InUse& operator=(InUse&&) = delete;
        sqlite3_stmt* get() const { return statement_; }
        explicit operator bool() const { return statement_ != nullptr; }

      private:
        sqlite3_stmt* statement_;
        bool kept_;
    };

    StatementCache() = default;
    ~StatementCache() { clear(); }
    StatementCache(const StatementCache&) = delete;
    StatementCache& operator=(const StatementCache&) = delete;

    // The kept statement for `sql` when it is free to use; null otherwise.
    sqlite3_stmt* find(const std::string& sql) const;
    // Keeps a statement just compiled for `sql`; true when kept (the cache then finalizes it).
    bool keep(const std::string& sql, sqlite3_stmt* statement);
    // Finalizes every kept statement; runs before the connection's handle closes.
    void clear();

  private:
    // The program has far fewer statements; the bound only matters for odd callers.
    static constexpr std::size_t kMostKept = 64;
    std::unordered_map<std::string, sqlite3_stmt*> kept_;
};

} // namespace store
