// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/MessageBoxes.h"

namespace platform {

// Message boxes of the desktop, with the program's exact texts, titles, buttons and icons.
class DesktopMessageBoxes : public MessageBoxes {
  public:
    MessageAnswer show(QWidget* owner, const QString& text, const QString& title,
                       MessageButtons buttons, MessageIcon icon) override;
};

} // namespace platform
