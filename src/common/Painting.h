#pragma once

#include <QColor>
#include <QWidget>

namespace common {

// The main window's own background.
inline const QColor kWindowWhite{255, 255, 255};

// Fills a widget's background with one colour.
inline void paintBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace common
