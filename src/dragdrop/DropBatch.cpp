#include "dragdrop/DropBatch.h"

#include "store/Statements.h"
#include "store/StoreError.h"

#include <utility>

namespace dragdrop {

void DropBatch::begin() {
    if (!transaction_) {
        transaction_ = std::make_unique<store::Transaction>(db_);
    }
}

bool DropBatch::groupHolds(const std::string& group, const std::string& caption) {
    store::ResultSet rs = store::selectItemInGroup(db_, caption, group);
    const bool holds = !rs.eof();
    rs.close();
    return holds;
}

void DropBatch::insert(const DroppedRow& row) {
    store::insertDroppedItem(db_, row.group, row.caption, row.path, row.kind);
    pending_.push_back(row);
}

void DropBatch::commit() {
    if (!transaction_) {
        return;
    }
    std::vector<DroppedRow> rows = std::exchange(pending_, {});
    try {
        transaction_->commit();
        transaction_.reset();
    } catch (const store::StoreError&) {
        // The commit found no transaction, or failed and rolled back: nothing of it is stored.
        transaction_.reset();
        storeAgain(rows);
    }
    stored_.insert(stored_.end(), rows.begin(), rows.end());
}

void DropBatch::storeAgain(const std::vector<DroppedRow>& rows) {
    if (rows.empty()) {
        return;
    }
    store::Transaction again(db_);
    for (const DroppedRow& row : rows) {
        store::insertDroppedItem(db_, row.group, row.caption, row.path, row.kind);
    }
    again.commit();
}

} // namespace dragdrop
