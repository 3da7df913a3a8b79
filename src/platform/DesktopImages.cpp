// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DesktopImages.h"

#include "platform/CurCursor.h"
#include "platform/PlatformError.h"

#include <QCoreApplication>
#include <QImageReader>

namespace platform {

QPixmap DesktopImages::loadPicture(const QString& path) {
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull()) {
        throw PlatformError(
            QCoreApplication::translate("Vantory", "The picture %1 could not be loaded: %2")
                .arg(path, reader.errorString())
                .toStdString());
    }
    return QPixmap::fromImage(image);
}

QCursor DesktopImages::loadCursor(const QString& path) {
    if (std::optional<QCursor> cursor = loadCurCursor(path)) {
        return *cursor;
    }
    throw PlatformError(
        QCoreApplication::translate("Vantory", "The pointer file %1 could not be loaded.")
            .arg(path)
            .toStdString());
}

} // namespace platform
