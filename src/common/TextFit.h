// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace common {

// Makes every caption of a window of fixed layout show whole in the user's language. The layout
// was drawn for English; a longer translation first takes the free room beside its control,
// then a label wraps into the free room above and below it, and last the text's font shrinks
// in half-point steps. A caption that fits is left exactly as designed, so English windows keep
// their layout to the pixel. Runs again after a caption changes: each control starts over from
// its designed place and font.
void fitTexts(QWidget* window);

// True when the widget's caption shows whole in its control: the test the fitting works to.
bool textFits(const QWidget* control);

} // namespace common
