// SPDX-License-Identifier: GPL-3.0-or-later
#include "dragdrop/DropBatch.h"

#include "common/NameRule.h"
#include "store/Columns.h"
#include "store/Statements.h"
#include "store/StoreError.h"

#include <iterator>
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

DropBatch::Captions::iterator DropBatch::placeOf(const std::string& caption) {
    Captions& held = *captions_;
    // A file manager hands over its selection in name order, so a dropped caption mostly comes
    // after every held one: one comparison settles it.
    if (held.empty() || held.key_comp()(*held.rbegin(), caption)) {
        return held.end();
    }
    return held.lower_bound(caption);
}

bool DropBatch::groupHolds(const std::string& caption) {
    if (!captions_) {
        Captions held(IgnoringCase{&db_});
        // The list's short read serves: only captions are wanted. Its rows come in caption
        // order, so each goes in at the end without a search.
        for (store::ResultSet rs = store::selectItemListOfGroup(db_, group_); !rs.eof();
             rs.moveNext()) {
            held.insert(held.end(), rs.field(store::column::itemcaption).text());
        }
        captions_ = std::move(held);
    }
    const Captions::iterator place = placeOf(caption);
    lastPlace_ = place;
    return place != captions_->end() && common::sameName(db_, *place, caption);
}

void DropBatch::insert(const std::string& caption, std::string path, std::int16_t kind) {
    store::insertDroppedItem(db_, group_, caption, path, kind);
    pending_.push_back({group_, caption, std::move(path), kind});
    if (captions_) {
        // The place groupHolds() found; a hint for another caption costs a search but never
        // misplaces the caption.
        captions_->insert(lastPlace_.value_or(captions_->end()), caption);
    }
    lastPlace_.reset();
}

void DropBatch::forget(const std::vector<DroppedRow>& rows) {
    if (captions_) {
        for (const DroppedRow& row : rows) {
            captions_->erase(row.caption);
        }
    }
    lastPlace_.reset();
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
            forget(rows);
            throw;
        }
    }
    stored_.insert(stored_.end(), std::make_move_iterator(rows.begin()),
                   std::make_move_iterator(rows.end()));
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
