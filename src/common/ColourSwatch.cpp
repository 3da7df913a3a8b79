// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/ColourSwatch.h"

#include <QCoreApplication>

namespace common {

ColourSwatch::ColourSwatch(QWidget* parent) : QLineEdit(parent) {
    setReadOnly(true);
    setColour(Qt::black);
}

void ColourSwatch::setColour(const QColor& colour) {
    colour_ = colour.toRgb();
    QPalette palette = this->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, colour_);
    }
    setPalette(palette);
    setAccessibleDescription(QCoreApplication::translate("Vantory", "Red %1, green %2, blue %3")
                                 .arg(colour_.red())
                                 .arg(colour_.green())
                                 .arg(colour_.blue()));
}

} // namespace common
