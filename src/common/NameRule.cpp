// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/NameRule.h"

#include "store/Columns.h"

namespace common {

bool sameName(const store::Connection& db, std::string_view a, std::string_view b) {
    return db.compareNames(a, b) == 0;
}

bool heldByAnother(const store::Connection& db, store::ResultSet rows,
                   const std::optional<RenamedRow>& renamed) {
    for (; !rows.eof(); rows.moveNext()) {
        const bool own =
            renamed &&
            sameName(db, rows.field(store::column::groupcaption).text(), renamed->category) &&
            (!renamed->caption ||
             sameName(db, rows.field(store::column::itemcaption).text(), *renamed->caption));
        if (!own) {
            return true;
        }
    }
    return false;
}

} // namespace common
