// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/CommandContext.h"
#include "dragdrop/DroppedFiles.h"

#include <QMimeData>
#include <QPoint>
#include <QStringList>

class QListWidget;

namespace dragdrop {

// What a drag over the list may do: a file list is taken as shortcuts to the files (a link, or
// a copy when the source offers no link), never as a move, which would have the file manager
// delete its files. Anything else is refused.
Qt::DropAction dropEffect(const QMimeData* data, Qt::DropActions offered);

// True while a drop would store shortcuts: a category is selected in the tree. With the root or
// nothing selected the list takes no files.
bool dropGoesToACategory(const common::MainWindow& window);

// A drag passes over the list at a point of its viewport: the entry there is marked.
void ListView1_OLEDragOver(QListWidget* list, const QPoint& at);

// Something was dropped onto the list at a point of its viewport: the list's selected entry
// moves there, then each path becomes a shortcut of the selected category (a folder, or a file
// the desktop opens), unless its caption cannot be stored or the category already holds it.
// When any was stored, the list is filled afresh, as a click on the category fills it. Paths are
// ignored while no category is selected. Failures show the "Application Error" box and the drop
// goes on.
void ListView1_OLEDragDrop(common::CommandContext& context, QListWidget* list,
                           const QStringList& paths, const QPoint& at,
                           const EntryNameLookup& entryNames);

} // namespace dragdrop
