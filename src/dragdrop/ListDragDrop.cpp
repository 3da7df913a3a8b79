// SPDX-License-Identifier: GPL-3.0-or-later
#include "dragdrop/ListDragDrop.h"

#include "dragdrop/DropCommand.h"
#include "dragdrop/DropHighlight.h"
#include "dragdrop/HitTest.h"
#include "dragdrop/modLVDrag.h"

#include <QApplication>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QListWidget>
#include <QMouseEvent>

namespace dragdrop {

ListDragDrop::ListDragDrop(QListWidget* list, common::CommandContext& context,
                           EntryNameLookup entryNames)
    : QObject(list), list_(list), context_(context), entryNames_(std::move(entryNames)) {
    list_->setDragEnabled(false);
    list_->setDragDropMode(QAbstractItemView::DropOnly);
    list_->setAcceptDrops(true);
    list_->viewport()->setAcceptDrops(true);
    list_->setItemDelegate(new DropHighlightDelegate(list_->itemDelegate(), list_));
    list_->viewport()->installEventFilter(this);
}

bool ListDragDrop::eventFilter(QObject* watched, QEvent* event) {
    if (watched != list_->viewport()) {
        return false;
    }
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
        return dragOver(static_cast<QDragMoveEvent*>(event));
    case QEvent::DragLeave:
        setDropHighlight(list_, nullptr);
        return true;
    case QEvent::Drop:
        return drop(static_cast<QDropEvent*>(event));
    case QEvent::MouseButtonPress:
        return mousePress(static_cast<QMouseEvent*>(event));
    case QEvent::MouseMove:
        return mouseMove(static_cast<QMouseEvent*>(event));
    case QEvent::MouseButtonRelease:
        return mouseRelease(static_cast<QMouseEvent*>(event));
    default:
        return false;
    }
}

bool ListDragDrop::accept(QDropEvent* event) {
    const Qt::DropAction effect = dropEffect(event->mimeData(), event->possibleActions());
    if (effect == Qt::IgnoreAction || !dropGoesToACategory(context_.window)) {
        // No file list, or no category to take it: no drop, and the pointer says so.
        setDropHighlight(list_, nullptr);
        event->ignore();
        return false;
    }
    event->setDropAction(effect);
    event->accept();
    return true;
}

bool ListDragDrop::dragOver(QDragMoveEvent* event) {
    if (accept(event)) {
        ListView1_OLEDragOver(list_, event->position().toPoint());
    }
    return true;
}

bool ListDragDrop::drop(QDropEvent* event) {
    if (!accept(event)) {
        return true;
    }
    ListView1_OLEDragDrop(context_, list_, droppedPaths(event->mimeData()),
                          event->position().toPoint(), entryNames_);
    return true;
}

bool ListDragDrop::mousePress(QMouseEvent* event) {
    modLVDrag::ListView1_MouseDown(list_);
    if (event->button() == Qt::LeftButton) {
        pressedAt_ = event->position().toPoint();
        pressedOnEntry_ = entryAt(list_, pressedAt_) != nullptr;
        dragging_ = false;
    }
    // The list selects the entry pressed on, which is the one a drag will carry.
    return false;
}

bool ListDragDrop::mouseMove(QMouseEvent* event) {
    if (!pressedOnEntry_ || !event->buttons().testFlag(Qt::LeftButton)) {
        return false;
    }
    const QPoint at = event->position().toPoint();
    if (!dragging_ && (at - pressedAt_).manhattanLength() >= QApplication::startDragDistance()) {
        dragging_ = true;
        list_->viewport()->setCursor(Qt::DragMoveCursor);
    }
    if (dragging_) {
        ListView1_OLEDragOver(list_, at);
    }
    // The list would otherwise move its selection along with the pointer.
    return true;
}

bool ListDragDrop::mouseRelease(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return false;
    }
    pressedOnEntry_ = false;
    if (!dragging_) {
        // A plain click: the list selects and reports the entry clicked.
        return false;
    }
    dragging_ = false;
    ListView1_OLEDragDrop(context_, list_, {}, event->position().toPoint(), entryNames_);
    modLVDrag::ListView1_MouseUp(context_.window, list_);
    // The end of a drag is no click on an entry: nothing is launched.
    return true;
}

} // namespace dragdrop
