// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace app {

// The description line under the two frames: one line of plain text, cut short with "…" where
// it is wider than the window, the whole text then being its hover text. Its text stays whole,
// for the commands and for screen readers.
class DescriptionLine : public QLabel {
    Q_OBJECT

  public:
    using QLabel::QLabel;

    // True when the text is wider than the line.
    bool isCut() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
};

} // namespace app
