// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Form1.h"
#include "app/PhysicalKeys.h"
#include "finder/Finder.h"

#include <QContextMenuEvent>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

namespace app {

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
        if (handleKey(watched, static_cast<QKeyEvent*>(event))) {
            return true;
        }
        break;
    case QEvent::KeyRelease:
        // Releases tell the repeats of a held key from new presses.
        keyRepeat_.noteRelease(*static_cast<QKeyEvent*>(event));
        break;
    case QEvent::ContextMenu:
        if ((watched == tree_ || watched == tree_->viewport()) &&
            showTreeMenu(watched, *static_cast<QContextMenuEvent*>(event))) {
            return true;
        }
        break;
    case QEvent::MouseMove:
    case QEvent::Enter:
        handleHover(watched);
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

bool Form1::handleKey(QObject* watched, QKeyEvent* key) {
    const Qt::KeyboardModifiers shift = key->modifiers() & ~Qt::KeypadModifier;
    const bool repeat = keyRepeat_.isRepeat(*key);
    // Ctrl+L launches wherever the focus is, also on a keyboard that types no Latin letters;
    // Ctrl+Shift+L, Alt+L and L do not. A held key launches once, not with every repeat.
    if (shift == Qt::ControlModifier && isLetterKey(*key, Qt::Key_L)) {
        if (!repeat) {
            // In the finder it launches the row chosen there.
            if (finder_ != nullptr && watched == finder_->field()) {
                finder_->choose(true);
            } else {
                PushButton7_Click();
            }
        }
        return true;
    }
    if (key->key() == Qt::Key_Delete) {
        // Delete in the tree or the list presses the button that deletes there.
        if (watched == tree_ && tree_->topLevelItemCount() > 0) {
            PushButton(3)->click();
            return true;
        }
        if (watched == list_ && list_->count() > 0) {
            PushButton(6)->click();
            return true;
        }
    }
    if (handleFinderKey(watched, key)) {
        return true;
    }
    // Enter on a shortcut does what a click on it does, once per press.
    if (watched == list_ && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
        list_->currentItem()) {
        if (!repeat) {
            ListView1_ItemClick(list_->currentItem());
        }
        return true;
    }
    return false;
}

} // namespace app
