// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QListWidget;

namespace common {
class MainWindow;
}

// Rearranging the shortcut list on screen. Nothing here touches the catalogue: the list returns
// to caption order whenever it is filled again.
namespace modLVDrag {

// Moves the list's selected entry to the place of the entry under the point (x, y, in the list's
// viewport coordinates). The moved entry keeps its text and picture but not its colour, and is
// selected. Without an entry under the point or a selected entry nothing moves. The drop
// highlight is cleared in every case.
void MoveDraggedItem(QListWidget* list, int x, int y);

// A mouse button pressed on the list.
void ListView1_MouseDown(QListWidget* list);

// A drag within the list has ended: the list scrolls through its last, first and middle entries
// and comes to rest on the last one, selected and focused.
void ListView1_MouseUp(common::MainWindow& window, QListWidget* list);

} // namespace modLVDrag
