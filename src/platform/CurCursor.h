// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QCursor>
#include <QImage>
#include <QPoint>
#include <QString>

#include <optional>

namespace platform {

// The picture of a Windows cursor file's first entry, and that entry's hotspot.
struct CurPicture {
    QImage image; // ARGB32
    QPoint hotspot;
};

// Decodes a cursor file held in memory. The entry may be a bitmap of 1, 4, 8, 24 or 32 bits a
// pixel with its transparency mask, or a PNG. Returns nothing for anything else, for a file
// that is cut short or whose sizes and offsets do not fit, and for a hotspot off the picture.
std::optional<CurPicture> decodeCur(const QByteArray& bytes);

// Reads a Windows cursor file into a pointer. The file is decoded here rather than by Qt's icon
// reader (which reads cursor files too): in Qt 6.4 that reader ignores the mask of a 24-bit
// entry, so its transparent pixels come out opaque, and rounds a 32-bit entry's colours through
// premultiplied alpha. Returns nothing when the file is missing or decodeCur refuses it.
std::optional<QCursor> loadCurCursor(const QString& path);

} // namespace platform
