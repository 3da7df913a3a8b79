// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/Connection.h"
#include "store/Transaction.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <set>
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

// Stores the rows of one drop into one group inside a transaction, so that a thousand dropped
// files cost one commit instead of a thousand. A row whose statement fails is simply not
// stored: call commit() right after any failure, which keeps the rows stored before it, and
// begin() again for the rows after it.
class DropBatch {
  public:
    DropBatch(store::Connection& db, std::string group) : db_(db), group_(std::move(group)) {}

    // Opens a transaction; throws StoreError when the catalogue takes no changes now (busy in
    // another program, or read-only).
    void begin();
    bool isOpen() const { return transaction_ != nullptr; }

    // True when the group already holds a shortcut of this caption, ignoring letter case as the
    // catalogue does. The group's captions are read once, on the first question, and the rows
    // added since are counted in: one lookup per file would read the whole table each time.
    // Files dropped in name order cost one comparison each.
    bool groupHolds(const std::string& caption);
    // Adds a row within the open transaction; throws StoreError when the statement fails. The
    // place found by groupHolds() for the same caption is used again.
    void insert(const std::string& caption, std::string path, std::int16_t kind);
    // Makes the rows added so far permanent and closes the transaction. A failed statement can
    // end the transaction and undo the rows before it (a full disk, a trigger that rolls back);
    // they are then stored once more in a transaction of their own. Throws StoreError when they
    // cannot be stored at all; they are then left out of stored().
    void commit();

    // The rows made permanent so far, in the order they were added.
    const std::vector<DroppedRow>& stored() const { return stored_; }

  private:
    // Orders names as the catalogue's NOCASE does.
    struct IgnoringCase {
        const store::Connection* db;
        bool operator()(const std::string& a, const std::string& b) const;
    };

    using Captions = std::set<std::string, IgnoringCase>;

    // Where a caption stands among the held ones: the first held caption not before it.
    Captions::iterator placeOf(const std::string& caption);
    void forget(const std::vector<DroppedRow>& rows);
    void storeAgain(const std::vector<DroppedRow>& rows);

    store::Connection& db_;
    std::string group_;
    std::optional<Captions> captions_;
    // Where groupHolds() last found a caption's place, so that its insert needs no second
    // search. Each comparison goes through the collator, which is the dear part.
    std::optional<Captions::iterator> lastPlace_;
    std::unique_ptr<store::Transaction> transaction_;
    std::vector<DroppedRow> pending_;
    std::vector<DroppedRow> stored_;
};

} // namespace dragdrop
