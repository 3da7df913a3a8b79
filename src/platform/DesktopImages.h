// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Images.h"

namespace platform {

// Pictures through Qt's image readers; pointers from Windows cursor files.
class DesktopImages : public Images {
  public:
    QPixmap loadPicture(const QString& path) override;
    QCursor loadCursor(const QString& path) override;
};

} // namespace platform
