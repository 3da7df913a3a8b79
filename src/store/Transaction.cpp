// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/Transaction.h"

namespace store {

Transaction::Transaction(Connection& db) : db_(db) {
    db_.prepareToWrite();
    db_.execute("BEGIN IMMEDIATE");
}

Transaction::~Transaction() {
    if (!done_) {
        try {
            db_.execute("ROLLBACK");
        } catch (...) {
            // A failed statement may already have ended the transaction; nothing more to undo.
        }
    }
}

void Transaction::commit() {
    done_ = true;
    try {
        db_.execute("COMMIT");
    } catch (...) {
        try {
            db_.execute("ROLLBACK");
        } catch (...) {
        }
        throw;
    }
}

} // namespace store
