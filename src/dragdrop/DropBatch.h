#pragma once

#include "store/Connection.h"
#include "store/Transaction.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace dragdrop {

// One shortcut made from a dropped file or folder.
struct DroppedRow {
    std::string group;
    std::string caption;
    std::string path;
    std::int16_t kind;
};

// Stores the rows of one drop inside a transaction, so that a thousand dropped files cost one
// commit instead of a thousand. A row whose statement fails is simply not stored: call commit()
// right after any failure, which keeps the rows stored before it, and begin() again for the
// rows after it.
class DropBatch {
  public:
    explicit DropBatch(store::Connection& db) : db_(db) {}

    // Opens a transaction; throws StoreError when the catalogue takes no changes now (busy in
    // another program, or read-only).
    void begin();
    bool isOpen() const { return transaction_ != nullptr; }

    // True when the group already holds a shortcut of this caption, ignoring letter case.
    bool groupHolds(const std::string& group, const std::string& caption);
    // Adds a row within the open transaction; throws StoreError when the statement fails.
    void insert(const DroppedRow& row);
    // Makes the rows added so far permanent and closes the transaction. A failed statement can
    // end the transaction and undo the rows before it (a full disk, a trigger that rolls back);
    // they are then stored once more in a transaction of their own. Throws StoreError when they
    // cannot be stored at all; they are then left out of stored().
    void commit();

    // The rows made permanent so far, in the order they were added.
    const std::vector<DroppedRow>& stored() const { return stored_; }

  private:
    void storeAgain(const std::vector<DroppedRow>& rows);

    store::Connection& db_;
    std::unique_ptr<store::Transaction> transaction_;
    std::vector<DroppedRow> pending_;
    std::vector<DroppedRow> stored_;
};

} // namespace dragdrop
