#include "platform/CurCursor.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPixmap>

namespace platform {

namespace {

constexpr qsizetype kDirectorySize = 6; // reserved, type, count
constexpr qsizetype kEntrySize = 16;

int u16At(const QByteArray& bytes, qsizetype at) {
    return static_cast<unsigned char>(bytes[at]) | (static_cast<unsigned char>(bytes[at + 1]) << 8);
}

} // namespace

std::optional<QCursor> loadCurCursor(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (bytes.size() < kDirectorySize + kEntrySize) {
        return std::nullopt;
    }
    const int reserved = u16At(bytes, 0);
    const int type = u16At(bytes, 2);
    const int count = u16At(bytes, 4);
    if (reserved != 0 || type != 2 || count < 1) {
        return std::nullopt;
    }
    const int hotX = u16At(bytes, kDirectorySize + 4);
    const int hotY = u16At(bytes, kDirectorySize + 6);

    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "cur");
    const QImage image = reader.read();
    if (image.isNull() || hotX >= image.width() || hotY >= image.height()) {
        return std::nullopt;
    }
    return QCursor(QPixmap::fromImage(image), hotX, hotY);
}

} // namespace platform
