// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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

} // namespace common
