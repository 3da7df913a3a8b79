// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QWidget>

namespace common {

// The main window's own background.
inline const QColor kWindowWhite{255, 255, 255};

// Fills a widget's background with one colour. A widget that shows that colour already keeps
// the palette it shares with its parent: a palette of its own would give each of its children
// one too, and the style, which keeps one drawing of a button per palette and size, would then
// draw every button afresh.
inline void paintBackground(QWidget* widget, const QColor& colour) {
    if (widget->palette().color(QPalette::Window) != colour) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::Window, colour);
        widget->setPalette(palette);
    }
    widget->setAutoFillBackground(true);
}

} // namespace common
