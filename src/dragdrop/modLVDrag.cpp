// SPDX-License-Identifier: GPL-3.0-or-later
#include "dragdrop/modLVDrag.h"

#include "common/MainWindow.h"
#include "dragdrop/DropHighlight.h"
#include "dragdrop/HitTest.h"

#include <QListWidget>

namespace modLVDrag {

namespace {

// A fresh entry showing what the old one showed, except its colour.
QListWidgetItem* copyWithoutColour(const QListWidgetItem* entry) {
    QListWidgetItem* copy = entry->clone();
    copy->setData(Qt::ForegroundRole, QVariant());
    copy->setData(dragdrop::kDropHighlightRole, QVariant());
    return copy;
}

void setArrowPointer(QListWidget* list) {
    list->viewport()->setCursor(Qt::ArrowCursor);
}

} // namespace

void MoveDraggedItem(QListWidget* list, int x, int y) {
    QListWidgetItem* dropEntry = dragdrop::entryAt(list, QPoint(x, y));
    const QList<QListWidgetItem*> selected = list->selectedItems();
    QListWidgetItem* draggedEntry = selected.isEmpty() ? nullptr : selected.first();
    if (!dropEntry || !draggedEntry) {
        dragdrop::setDropHighlight(list, nullptr);
        return;
    }
    // The place is taken before the removal, so the moved entry always ends there.
    const int place = list->row(dropEntry);
    QListWidgetItem* moved = copyWithoutColour(draggedEntry);
    delete list->takeItem(list->row(draggedEntry));
    list->insertItem(place, moved);
    list->setCurrentItem(moved);
    dragdrop::setDropHighlight(list, nullptr);
}

void ListView1_MouseDown(QListWidget* list) {
    setArrowPointer(list);
}

void ListView1_MouseUp(common::MainWindow& window, QListWidget* list) {
    setArrowPointer(list);
    if (list->count() == 0) {
        return;
    }
    // Each step reads the count afresh, as the list may change under it.
    const auto showAndSelect = [&](auto position) {
        const int at = position();
        list->scrollToItem(list->item(at - 1));
        window.ScrollToItem(at);
    };
    showAndSelect([&] { return list->count(); });
    showAndSelect([] { return 1; });
    showAndSelect([&] { return list->count() / 2 + 1; });
    showAndSelect([&] { return list->count(); });
}

} // namespace modLVDrag
