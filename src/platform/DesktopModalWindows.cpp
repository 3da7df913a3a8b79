// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DesktopModalWindows.h"

#include <QDialog>

namespace platform {

int DesktopModalWindows::showModal(QDialog* window) {
    return window->exec();
}

} // namespace platform
