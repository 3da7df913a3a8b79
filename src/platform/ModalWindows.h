// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QDialog;

namespace platform {

// Shows an editor window modally and returns when it has closed.
class ModalWindows {
  public:
    virtual ~ModalWindows() = default;
    // Returns the window's result (QDialog::Accepted or QDialog::Rejected).
    virtual int showModal(QDialog* window) = 0;
};

} // namespace platform
