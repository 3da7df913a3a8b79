// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QPushButton>
#include <QWidget>

namespace common {

// The windows' bold Arial; the desktop's sans-serif stands in where Arial is not installed.
inline QFont arialBold(double points) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

// Designer forms keep whole points and no stand-in: a form's window gets its bold Arial again
// with the stand-in, and its push buttons their captions at 11.25 pt.
inline void applyFormFonts(QWidget* window) {
    window->setFont(arialBold(window->font().pointSizeF()));
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        button->setFont(arialBold(11.25));
    }
}

} // namespace common
