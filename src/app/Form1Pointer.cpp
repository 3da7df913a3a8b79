// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's pointer: the hourglass while a command runs, the hand over the push buttons,
// the arrow elsewhere.

#include "app/Form1.h"

#include <QPushButton>
#include <algorithm>

namespace app {

void Form1::setMousePointer(MousePointer pointer) {
    pointer_ = pointer;
    switch (pointer) {
    case MousePointer::Default:
        unsetCursor();
        break;
    case MousePointer::Hourglass:
        setCursor(Qt::WaitCursor);
        break;
    case MousePointer::Custom:
        setCursor(customCursor_.value_or(QCursor(Qt::PointingHandCursor)));
        break;
    }
}

void Form1::showBusyPointer(bool busy) {
    setMousePointer(busy ? MousePointer::Hourglass : MousePointer::Default);
}

void Form1::handleHover(QObject* watched) {
    if (pointer_ == MousePointer::Hourglass) {
        return;
    }
    const bool overButton = std::find(buttons_.begin(), buttons_.end(), watched) != buttons_.end();
    const MousePointer wanted = overButton ? MousePointer::Custom : MousePointer::Default;
    if (wanted != pointer_) {
        setMousePointer(wanted);
    }
}

} // namespace app
