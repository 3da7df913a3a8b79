// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

namespace common {

// The windows' bold Arial; the desktop's sans-serif stands in where Arial is not installed.
inline QFont arialBold(double points) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

} // namespace common
