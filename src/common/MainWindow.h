// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace common {

// What the commands may see and do of the main window. The main window implements it; tests
// hand the commands a fake. Positions count from 1: the tree's root node is position 1, then
// the categories in the order they were filled; the list's entries in the order they show.
class MainWindow {
  public:
    // The tree's root node stands for the whole catalogue and comes first; categories follow.
    static constexpr int kRootPosition = 1;

    virtual ~MainWindow() = default;

    // The window that owns message boxes and editors.
    virtual QWidget* window() = 0;

    // True while the node last clicked is a category (mNodeIsGroup).
    virtual bool nodeIsGroup() const = 0;
    // The number of nodes in the tree, the root included.
    virtual int nodeCount() const = 0;
    // The selected node's position, 0 when none is selected.
    virtual int selectedNodePosition() const = 0;
    // The text of the node at a position, "" when there is none.
    virtual QString nodeText(int position) const = 0;
    // The text of the selected node: the selected category's name, "" when none is selected.
    virtual QString selectedCategory() const = 0;
    // Selects a node from code; this is not a node click.
    virtual void selectNode(int position) = 0;
    // Runs the node-click handling for the selected node, as a click on it would.
    virtual void nodeClick() = 0;

    // The number of entries in the list.
    virtual int entryCount() const = 0;
    // The selected entry's position, 0 when none is selected.
    virtual int selectedEntryPosition() const = 0;
    // The selected entry's caption, none when no entry is selected.
    virtual std::optional<QString> selectedCaption() const = 0;

    // Sets the description line below the tree and list.
    virtual void setDescription(const QString& text) = 0;
    // Empties the shortcut list.
    virtual void clearList() = 0;

    // Rebuilds the category tree (errors pass to the caller).
    virtual void loadGroups() = 0;
    // Refills the list with the selected category's shortcuts.
    virtual void loadItems() = 0;
    // Scrolls to, selects and focuses the entry at a position (errors pass to the caller).
    virtual void ScrollToItem(int position) = 0;

    // Shows the hourglass while a long task runs, and the default pointer again after it.
    virtual void showBusyPointer(bool busy) = 0;
};

} // namespace common
