#include "dragdrop/DropBatch.h"

#include "store/Columns.h"
#include "store/Statements.h"
#include "store/StoreError.h"

#include <utility>

namespace dragdrop {

bool DropBatch::IgnoringCase::operator()(const std::string& a, const std::string& b) const {
    // The same comparison the catalogue uses for its names.
    return db->compareNames(a, b) < 0;
}

void DropBatch::begin() {
    if (!transaction_) {
        transaction_ = std::make_unique<store::Transaction>(db_);
    }
}

bool DropBatch::groupHolds(const std::string& caption) {
    if (!captions_) {
        std::set<std::string, IgnoringCase> held(IgnoringCase{&db_});
        for (store::ResultSet rs = store::selectItemsOfGroup(db_, group_); !rs.eof();
             rs.moveNext()) {
            held.insert(rs.field(store::column::itemcaption).text());
        }
        captions_ = std::move(held);
    }
    return captions_->count(caption) > 0;
}

void DropBatch::insert(const std::string& caption, const std::string& path, std::int16_t kind) {
    store::insertDroppedItem(db_, group_, caption, path, kind);
    pending_.push_back({group_, caption, path, kind});
    if (captions_) {
        captions_->insert(caption);
    }
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
        try {
            storeAgain(rows);
        } catch (const store::StoreError&) {
            if (captions_) {
                for (const DroppedRow& row : rows) {
                    captions_->erase(row.caption);
                }
            }
            throw;
        }
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
