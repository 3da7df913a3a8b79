// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/Connection.h"

namespace store {

// All or nothing: the statements run between construction and commit() take effect together.
// A transaction that is destroyed without commit() (an exception passed through) rolls back.
class Transaction {
  public:
    explicit Transaction(Connection& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    // Makes the changes permanent; throws StoreError (and rolls back) when that fails.
    void commit();

  private:
    Connection& db_;
    bool done_ = false;
};

} // namespace store
