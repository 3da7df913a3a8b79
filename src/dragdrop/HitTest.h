// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListWidget>

namespace dragdrop {

// The entry at a point of the list's viewport. A point outside the viewport hits nothing, also
// where an entry scrolled out of sight would lie.
inline QListWidgetItem* entryAt(const QListWidget* list, const QPoint& at) {
    return list->viewport()->rect().contains(at) ? list->itemAt(at) : nullptr;
}

} // namespace dragdrop
