// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QSize;
class QWidget;

namespace common {

// The forms place their controls at fixed positions, which Qt does not mirror as it mirrors
// layouts: under a right-to-left language every placed control is moved to the mirrored place,
// so that the window reads from the right. Left to right, nothing moves.
void mirrorForLayoutDirection(QWidget* window);

// Resizes a placed control keeping its leading edge (the left one, or the right one when the
// window reads from the right) where it is.
void resizeKeepingLeadingEdge(QWidget* control, const QSize& size);

// Catalogue text (a caption, a name, a description) reads in its own direction, found from its
// first strong character, whatever the window's: "Spreadsheet 100% done" stays in that order
// under Arabic. The text wrapped as a first-strong isolate, for drawing within the window's
// direction and alignment.
QString isolated(const QString& text, Qt::LayoutDirection window);
// The direction such a text reads in; the window's own for a text without a strong character.
Qt::LayoutDirection readingDirection(const QString& text, Qt::LayoutDirection window);

} // namespace common
