// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCursor>
#include <QPixmap>
#include <QString>

namespace platform {

// Pictures and pointers read from files. Both throw PlatformError when the file cannot be read.
class Images {
  public:
    virtual ~Images() = default;
    virtual QPixmap loadPicture(const QString& path) = 0;
    virtual QCursor loadCursor(const QString& path) = 0;
};

} // namespace platform
