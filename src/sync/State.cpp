// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/State.h"

namespace vsync {

std::size_t fieldCount(RowKind kind) {
    return kind == RowKind::Category ? std::size_t{category::FieldCount}
                                     : std::size_t{shortcut::FieldCount};
}

const Stamp& Row::newestChange() const {
    static const Stamp zero;
    const Stamp* newest = &zero;
    for (const Field& field : fields) {
        if (field.stamp > *newest) {
            newest = &field.stamp;
        }
    }
    return *newest;
}

namespace {

// Two values set under one stamp cannot come from one computer; the larger value wins so that
// even a damaged history joins the same way in every order.
bool takes(const Field& theirs, const Field& ours) {
    if (theirs.stamp != ours.stamp) {
        return theirs.stamp > ours.stamp;
    }
    return theirs.value > ours.value;
}

} // namespace

bool join(State& into, const State& other) {
    bool took = false;
    for (const auto& [id, theirs] : other) {
        auto [it, added] = into.try_emplace(id, theirs);
        if (added) {
            took = true;
            continue;
        }
        Row& ours = it->second;
        if (ours.kind != theirs.kind) {
            // One id for two kinds of row: only a forged file does that; the category stays.
            if (theirs.kind == RowKind::Category) {
                ours = theirs;
                took = true;
            }
            continue;
        }
        for (std::size_t i = 0; i < ours.fields.size() && i < theirs.fields.size(); ++i) {
            if (takes(theirs.fields[i], ours.fields[i])) {
                ours.fields[i] = theirs.fields[i];
                took = true;
            }
        }
        if (theirs.deleted > ours.deleted) {
            ours.deleted = theirs.deleted;
            took = true;
        }
    }
    return took;
}

Stamp newestStamp(const State& state) {
    Stamp newest;
    for (const auto& [id, row] : state) {
        if (row.newestChange() > newest) {
            newest = row.newestChange();
        }
        if (row.deleted > newest) {
            newest = row.deleted;
        }
    }
    return newest;
}

} // namespace vsync
