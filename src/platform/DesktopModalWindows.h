// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ModalWindows.h"

namespace platform {

// QDialog::exec().
class DesktopModalWindows : public ModalWindows {
  public:
    int showModal(QDialog* window) override;
};

} // namespace platform
