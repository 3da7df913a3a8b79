// SPDX-License-Identifier: GPL-3.0-or-later
// make_cursor IN.svg OUT.cur
//
// Draws a 32x32 pointer picture with Qt's SVG renderer and writes it as a Windows cursor file:
// one entry carrying the hotspot, holding a 32-bit BGRA bitmap followed by its 1-bit mask.

#include "CursorHotspot.h"

#include <QByteArray>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdint>
#include <cstdio>

namespace {

void putU8(QByteArray& out, std::uint8_t v) {
    out.append(static_cast<char>(v));
}

void putU16(QByteArray& out, std::uint16_t v) {
    putU8(out, static_cast<std::uint8_t>(v & 0xff));
    putU8(out, static_cast<std::uint8_t>(v >> 8));
}

void putU32(QByteArray& out, std::uint32_t v) {
    putU16(out, static_cast<std::uint16_t>(v & 0xffff));
    putU16(out, static_cast<std::uint16_t>(v >> 16));
}

// The picture as one cursor-file entry: header, colour rows, then mask rows, all bottom-up.
QByteArray bitmapOf(const QImage& image) {
    const int size = image.width();
    const int maskStride = ((size + 31) / 32) * 4; // one bit a pixel, rows padded to 4 bytes
    const std::uint32_t colourBytes = static_cast<std::uint32_t>(size * size * 4);
    const std::uint32_t maskBytes = static_cast<std::uint32_t>(maskStride * size);

    QByteArray out;
    putU32(out, 40); // header size
    putU32(out, static_cast<std::uint32_t>(size));
    putU32(out, static_cast<std::uint32_t>(size * 2)); // colour and mask stacked
    putU16(out, 1);                                    // planes
    putU16(out, 32);                                   // bits a pixel
    putU32(out, 0);                                    // no compression
    putU32(out, colourBytes + maskBytes);
    putU32(out, 0); // pixels a metre, x and y
    putU32(out, 0);
    putU32(out, 0); // palette: none
    putU32(out, 0);

    for (int y = size - 1; y >= 0; --y) {
        for (int x = 0; x < size; ++x) {
            const QRgb p = image.pixel(x, y);
            putU8(out, static_cast<std::uint8_t>(qBlue(p)));
            putU8(out, static_cast<std::uint8_t>(qGreen(p)));
            putU8(out, static_cast<std::uint8_t>(qRed(p)));
            putU8(out, static_cast<std::uint8_t>(qAlpha(p)));
        }
    }
    // A set mask bit lets the screen show through; only fully clear pixels are masked.
    for (int y = size - 1; y >= 0; --y) {
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < size; ++x) {
            if (qAlpha(image.pixel(x, y)) == 0) {
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
            }
        }
        out.append(row);
    }
    return out;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_cursor IN.svg OUT.cur\n");
        return 2;
    }
    const QString in = QString::fromLocal8Bit(argv[1]);
    const QString outPath = QString::fromLocal8Bit(argv[2]);

    QSvgRenderer renderer(in);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "make_cursor: cannot read %s\n", argv[1]);
        return 1;
    }
    constexpr int size = cursor_hotspot::kSize;
    QImage canvas(size, size, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        renderer.render(&painter, QRectF(0, 0, size, size));
    }
    // Cursor files keep colour and opacity apart, so undo the premultiplication.
    const QImage image = canvas.convertToFormat(QImage::Format_ARGB32);

    const QByteArray bitmap = bitmapOf(image);
    QByteArray file;
    putU16(file, 0);   // reserved
    putU16(file, 2);   // a cursor, not an icon
    putU16(file, 1);   // one entry
    putU8(file, size); // width
    putU8(file, size); // height
    putU8(file, 0);    // no palette
    putU8(file, 0);    // reserved
    putU16(file, cursor_hotspot::kX);
    putU16(file, cursor_hotspot::kY);
    putU32(file, static_cast<std::uint32_t>(bitmap.size()));
    putU32(file, 6 + 16); // the bitmap follows the directory and its one entry
    file.append(bitmap);

    QFile out(outPath);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(file) != file.size()) {
        std::fprintf(stderr, "make_cursor: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
