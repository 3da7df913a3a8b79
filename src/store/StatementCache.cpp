// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/StatementCache.h"

#include <sqlite3.h>

#include <utility>

namespace store {

StatementCache::InUse::~InUse() {
    if (statement_ == nullptr) {
        return;
    }
    // Every use binds all of a statement's values, so the old ones need no clearing.
    if (kept_) {
        sqlite3_reset(statement_);
    } else {
        sqlite3_finalize(statement_);
    }
}

StatementCache::InUse::InUse(InUse&& other) noexcept
    : statement_(std::exchange(other.statement_, nullptr)), kept_(other.kept_) {}

sqlite3_stmt* StatementCache::find(const std::string& sql) const {
    const auto found = kept_.find(sql);
    // A statement still stepping (one caller inside another) is not handed out twice.
    if (found == kept_.end() || sqlite3_stmt_busy(found->second) != 0) {
        return nullptr;
    }
    return found->second;
}

bool StatementCache::keep(const std::string& sql, sqlite3_stmt* statement) {
    if (statement == nullptr || kept_.size() >= kMostKept || kept_.count(sql) > 0) {
        return false;
    }
    kept_.emplace(sql, statement);
    return true;
}

void StatementCache::clear() {
    for (auto& [sql, statement] : kept_) {
        sqlite3_finalize(statement);
    }
    kept_.clear();
}

} // namespace store
