// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CurCursor.h"

#include <QFile>
#include <QPixmap>

#include <cstdint>

namespace platform {

namespace {

constexpr qint64 kDirectorySize = 6; // reserved, type, count
constexpr qint64 kEntrySize = 16;
constexpr qint64 kBitmapHeaderSize = 40;
constexpr int kLargestSide = 256; // the most a cursor entry can describe

// Little-endian reads that refuse to run past the end of the file.
class Reader {
  public:
    explicit Reader(const QByteArray& bytes) : bytes_(bytes) {}

    bool has(qint64 at, qint64 length) const {
        return at >= 0 && length >= 0 && at <= bytes_.size() && length <= bytes_.size() - at;
    }
    std::uint8_t u8(qint64 at) const { return static_cast<std::uint8_t>(bytes_[at]); }
    std::uint16_t u16(qint64 at) const {
        return static_cast<std::uint16_t>(u8(at) | (u8(at + 1) << 8));
    }
    std::uint32_t u32(qint64 at) const {
        return static_cast<std::uint32_t>(u16(at)) |
               (static_cast<std::uint32_t>(u16(at + 2)) << 16);
    }
    std::int32_t s32(qint64 at) const { return static_cast<std::int32_t>(u32(at)); }
    const QByteArray& bytes() const { return bytes_; }

  private:
    const QByteArray& bytes_;
};

// Rows of a bitmap are padded to whole 32-bit words.
qint64 strideOf(int width, int bitsPerPixel) {
    return ((static_cast<qint64>(width) * bitsPerPixel + 31) / 32) * 4;
}

// The colour of pixel x in a row of a palette bitmap.
int paletteIndex(const Reader& in, qint64 row, int x, int bits) {
    const qint64 bit = static_cast<qint64>(x) * bits;
    const int shift = 8 - bits - static_cast<int>(bit % 8);
    return (in.u8(row + bit / 8) >> shift) & ((1 << bits) - 1);
}

// A device-independent bitmap as cursor files store it: the colour rows, then the 1-bit mask
// rows (a set bit lets the screen show through), both bottom-up, the height counting both.
std::optional<QImage> decodeBitmap(const Reader& in, qint64 at, qint64 length) {
    if (length < kBitmapHeaderSize || !in.has(at, length)) {
        return std::nullopt;
    }
    const qint64 headerSize = in.u32(at);
    const std::int32_t width = in.s32(at + 4);
    const std::int32_t doubleHeight = in.s32(at + 8);
    const int planes = in.u16(at + 12);
    const int bits = in.u16(at + 14);
    const std::uint32_t compression = in.u32(at + 16);
    const std::uint32_t coloursUsed = in.u32(at + 32);
    if (headerSize < kBitmapHeaderSize || headerSize > length || planes != 1 || compression != 0 ||
        width < 1 || width > kLargestSide || doubleHeight < 2 || doubleHeight % 2 != 0 ||
        doubleHeight / 2 > kLargestSide) {
        return std::nullopt;
    }
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) {
        return std::nullopt;
    }
    const int height = doubleHeight / 2;

    QList<QRgb> palette;
    qint64 next = at + headerSize;
    if (bits <= 8) {
        const std::uint32_t full = 1u << bits;
        const std::uint32_t count = coloursUsed == 0 ? full : coloursUsed;
        if (count > full || !in.has(next, count * 4)) {
            return std::nullopt;
        }
        for (std::uint32_t i = 0; i < count; ++i) {
            const qint64 entry = next + i * 4;
            palette.append(qRgb(in.u8(entry + 2), in.u8(entry + 1), in.u8(entry)));
        }
        next += count * 4;
    }
    const qint64 colourStride = strideOf(width, bits);
    const qint64 maskStride = strideOf(width, 1);
    const qint64 colourStart = next;
    const qint64 maskStart = colourStart + colourStride * height;
    if (!in.has(colourStart, colourStride * height + maskStride * height) ||
        maskStart + maskStride * height > at + length) {
        return std::nullopt;
    }

    QImage image(width, height, QImage::Format_ARGB32);
    if (image.isNull()) {
        return std::nullopt;
    }
    bool anyAlpha = false;
    for (int y = 0; y < height; ++y) {
        const qint64 row = colourStart + colourStride * (height - 1 - y);
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            if (bits == 32) {
                const qint64 p = row + x * 4;
                line[x] = qRgba(in.u8(p + 2), in.u8(p + 1), in.u8(p), in.u8(p + 3));
                anyAlpha = anyAlpha || in.u8(p + 3) != 0;
            } else if (bits == 24) {
                const qint64 p = row + x * 3;
                line[x] = qRgb(in.u8(p + 2), in.u8(p + 1), in.u8(p));
            } else {
                const int index = paletteIndex(in, row, x, bits);
                // A colour past the palette's end shows black, as Windows draws it.
                line[x] = index < palette.size() ? palette[index] : qRgb(0, 0, 0);
            }
        }
    }
    // A 32-bit picture carries its own opacity; the others (and a 32-bit one whose opacity is
    // all zero, as old files have) take it from the mask.
    if (!anyAlpha) {
        for (int y = 0; y < height; ++y) {
            const qint64 row = maskStart + maskStride * (height - 1 - y);
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < width; ++x) {
                const bool clear = paletteIndex(in, row, x, 1) != 0;
                line[x] = clear ? qRgba(0, 0, 0, 0) : (line[x] | 0xff000000u);
            }
        }
    }
    return image;
}

std::optional<QImage> decodePng(const Reader& in, qint64 at, qint64 length) {
    static const QByteArray signature("\x89PNG\r\n\x1a\n", 8);
    if (!in.has(at, length) || length < signature.size() ||
        in.bytes().mid(at, signature.size()) != signature) {
        return std::nullopt;
    }
    const QImage image = QImage::fromData(in.bytes().mid(at, length), "png");
    if (image.isNull() || image.width() > kLargestSide || image.height() > kLargestSide) {
        return std::nullopt;
    }
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

std::optional<CurPicture> decodeCur(const QByteArray& bytes) {
    const Reader in(bytes);
    if (!in.has(0, kDirectorySize + kEntrySize)) {
        return std::nullopt;
    }
    const int reserved = in.u16(0);
    const int type = in.u16(2);
    const int count = in.u16(4);
    if (reserved != 0 || type != 2 || count < 1) {
        return std::nullopt;
    }
    const qint64 entry = kDirectorySize;
    const QPoint hotspot(in.u16(entry + 4), in.u16(entry + 6));
    const qint64 length = in.u32(entry + 8);
    const qint64 offset = in.u32(entry + 12);
    if (!in.has(offset, length)) {
        return std::nullopt;
    }
    std::optional<QImage> image = decodePng(in, offset, length);
    if (!image) {
        image = decodeBitmap(in, offset, length);
    }
    if (!image || hotspot.x() >= image->width() || hotspot.y() >= image->height()) {
        return std::nullopt;
    }
    return CurPicture{*image, hotspot};
}

std::optional<QCursor> loadCurCursor(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const std::optional<CurPicture> picture = decodeCur(file.readAll());
    if (!picture) {
        return std::nullopt;
    }
    return QCursor(QPixmap::fromImage(picture->image), picture->hotspot.x(), picture->hotspot.y());
}

} // namespace platform
