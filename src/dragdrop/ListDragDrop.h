// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/CommandContext.h"
#include "dragdrop/DroppedFiles.h"

#include <QObject>
#include <QPoint>

class QDragMoveEvent;
class QDropEvent;
class QListWidget;
class QMouseEvent;

namespace dragdrop {

// Makes the shortcut list a drop target for files and folders from the file manager, and lets
// the user drag an entry onto another to move it there. The list's own item drag and drop stays
// off, so it cannot fight the move rule: this object watches the list's viewport instead.
//
// Dragging an entry: a press on an entry and a move beyond the desktop's drag distance start
// it; the entry under the pointer is marked while it goes on; the release drops the selected
// entry there and then runs the list's release handling. A press and release without such a
// move is a plain click and is left to the list.
class ListDragDrop : public QObject {
    Q_OBJECT

  public:
    ListDragDrop(QListWidget* list, common::CommandContext& context, EntryNameLookup entryNames);

    // How a dropped desktop entry's own name is found.
    void setEntryNameLookup(EntryNameLookup entryNames) { entryNames_ = std::move(entryNames); }

    bool isDraggingEntry() const { return dragging_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Takes a drag or drop of files while a category can take them, and refuses it otherwise.
    bool accept(QDropEvent* event);
    bool dragOver(QDragMoveEvent* event);
    bool drop(QDropEvent* event);
    bool mousePress(QMouseEvent* event);
    bool mouseMove(QMouseEvent* event);
    bool mouseRelease(QMouseEvent* event);

    QListWidget* list_;
    common::CommandContext& context_;
    EntryNameLookup entryNames_;

    bool pressedOnEntry_ = false;
    bool dragging_ = false;
    QPoint pressedAt_;
};

} // namespace dragdrop
