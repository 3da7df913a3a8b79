// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QObject>
#include <QPalette>

#include <functional>

namespace common {

// The desktop's colour scheme as the window follows it. Under a light scheme the main window is
// white and shows the stored colours as they are; under a dark one it takes its colours from the
// palette. Under either, a stored colour is shown lifted or darkened where it would be hard to
// read on what is behind it; the stored value itself never changes.

// True when the palette's window colour is dark: Qt 6.4 has no call that names the scheme.
bool isDarkScheme(const QPalette& palette);

// The contrast ratio of two colours, from 1 (the same) to 21 (black on white).
double contrastRatio(const QColor& a, const QColor& b);

// The least contrast a caption needs against what is drawn behind it: enough for 9-point text.
inline constexpr double kReadableContrast = 4.5;

// `colour` as shown on `background`: unchanged when it reaches the readable contrast, otherwise
// moved towards white on a dark background (towards black on a light one) just far enough.
QColor readableOn(const QColor& colour, const QColor& background);

// What the main window, its frames and its description line are filled with.
QColor windowBackground(const QPalette& palette);
// The base of the category tree and the shortcut list.
QColor viewBase(const QPalette& palette);
// A stored caption or category colour as the tree and the list show it: readable on the views'
// base, and as stored wherever it already is.
QColor shownColour(const QColor& stored, const QPalette& palette);

// Tells its owner when the desktop's colour scheme changes while the program runs. Qt tells the
// application object; a window that paints colours of its own hears nothing of it.
class SchemeWatch : public QObject {
  public:
    SchemeWatch(QObject* owner, std::function<void()> changed);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<void()> changed_;
};

} // namespace common
