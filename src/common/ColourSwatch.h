// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QLineEdit>

namespace common {

// A locked, empty text box whose background shows a colour the user picked for captions. It
// tells a screen reader the colour too.
class ColourSwatch : public QLineEdit {
    Q_OBJECT

  public:
    explicit ColourSwatch(QWidget* parent);

    QColor colour() const { return colour_; }
    void setColour(const QColor& colour);

  private:
    QColor colour_;
};

} // namespace common
