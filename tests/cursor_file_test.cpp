// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CurCursor.h"
#include "platform/DesktopImages.h"
#include "platform/PlatformError.h"

#include "../tools/CursorHotspot.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

const QString kCursorPath = QStringLiteral(VANTORY_BUILD_DIR "/HAND-M.CUR");

QByteArray readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

int u16At(const QByteArray& bytes, int at) {
    return static_cast<unsigned char>(bytes[at]) | (static_cast<unsigned char>(bytes[at + 1]) << 8);
}

QImage readCursorImage() {
    QImageReader reader(kCursorPath, "cur");
    return reader.read().convertToFormat(QImage::Format_ARGB32);
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

} // namespace

TEST(CursorFile, QtReadsItAsA32By32Picture) {
    const QImage image = readCursorImage();
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), 32);
    EXPECT_EQ(image.height(), 32);
}

TEST(CursorFile, PixelsAreTheDrawingsPixels) {
    QSvgRenderer renderer(QStringLiteral(VANTORY_SOURCE_DIR "/resources/cursors/hand.svg"));
    ASSERT_TRUE(renderer.isValid());
    QImage drawn(32, 32, QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    {
        QPainter painter(&drawn);
        renderer.render(&painter, QRectF(0, 0, 32, 32));
    }
    const QImage expected = drawn.convertToFormat(QImage::Format_ARGB32);
    const QImage image = readCursorImage();
    ASSERT_EQ(image.size(), QSize(32, 32));
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QRgb want = expected.pixel(x, y);
            const QRgb got = image.pixel(x, y);
            EXPECT_EQ(qAlpha(got), qAlpha(want)) << "at " << x << "," << y;
            if (qAlpha(want) != 0) {
                EXPECT_EQ(got, want) << "at " << x << "," << y;
            }
        }
    }
}

TEST(CursorFile, CornersAreClearAndTheFingertipIsSolid) {
    const QImage image = readCursorImage();
    ASSERT_EQ(image.size(), QSize(32, 32));
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(image.pixel(31, 0)), 0);
    EXPECT_EQ(qAlpha(image.pixel(0, 31)), 0);
    // The outline at the very tip, and the white of the finger just below it.
    EXPECT_GT(qAlpha(image.pixel(cursor_hotspot::kX, cursor_hotspot::kY)), 128);
    const QRgb inside = image.pixel(cursor_hotspot::kX, cursor_hotspot::kY + 3);
    EXPECT_EQ(qAlpha(inside), 255);
    EXPECT_GT(qGray(inside), 200);
    // Nothing is drawn above or beside the tip.
    EXPECT_EQ(qAlpha(image.pixel(cursor_hotspot::kX, cursor_hotspot::kY - 1)), 0);
    EXPECT_EQ(qAlpha(image.pixel(cursor_hotspot::kX - 4, cursor_hotspot::kY)), 0);
}

TEST(CursorFile, HeaderIsOneCursorEntryWithTheFingertipHotspot) {
    const QByteArray bytes = readAll(kCursorPath);
    ASSERT_GE(bytes.size(), 22 + 40 + 32 * 32 * 4 + 32 * 4);
    EXPECT_EQ(u16At(bytes, 0), 0);
    EXPECT_EQ(u16At(bytes, 2), 2); // cursor
    EXPECT_EQ(u16At(bytes, 4), 1); // one entry
    EXPECT_EQ(static_cast<unsigned char>(bytes[6]), 32);
    EXPECT_EQ(static_cast<unsigned char>(bytes[7]), 32);
    EXPECT_EQ(u16At(bytes, 10), cursor_hotspot::kX);
    EXPECT_EQ(u16At(bytes, 12), cursor_hotspot::kY);
    EXPECT_EQ(u16At(bytes, 18), 22);      // the bitmap follows the entry
    EXPECT_EQ(u16At(bytes, 22 + 8), 64);  // colour rows and mask rows stacked
    EXPECT_EQ(u16At(bytes, 22 + 14), 32); // 32 bits a pixel
}

TEST(CursorFile, MaskMatchesThePicture) {
    const QByteArray bytes = readAll(kCursorPath);
    const QImage image = readCursorImage();
    ASSERT_EQ(bytes.size(), 22 + 40 + 32 * 32 * 4 + 32 * 4);
    ASSERT_EQ(image.size(), QSize(32, 32));
    const int maskStart = 22 + 40 + 32 * 32 * 4;
    for (int y = 0; y < 32; ++y) {
        const int row = maskStart + (31 - y) * 4; // bottom-up
        for (int x = 0; x < 32; ++x) {
            const bool masked = (static_cast<unsigned char>(bytes[row + x / 8]) >> (7 - x % 8)) & 1;
            EXPECT_EQ(masked, qAlpha(image.pixel(x, y)) == 0) << "at " << x << "," << y;
        }
    }
}

TEST(CurCursor, LoadsPictureAndHotspot) {
    const std::optional<QCursor> cursor = platform::loadCurCursor(kCursorPath);
    ASSERT_TRUE(cursor.has_value());
    EXPECT_EQ(cursor->hotSpot(), QPoint(cursor_hotspot::kX, cursor_hotspot::kY));
    const QImage image = cursor->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(image.size(), QSize(32, 32));
    EXPECT_EQ(image, readCursorImage());
}

TEST(CurCursor, HotspotComesFromTheFile) {
    QByteArray bytes = readAll(kCursorPath);
    ASSERT_GT(bytes.size(), 22);
    bytes[10] = 7;
    bytes[12] = 20;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("moved.cur"));
    writeFile(path, bytes);
    const std::optional<QCursor> cursor = platform::loadCurCursor(path);
    ASSERT_TRUE(cursor.has_value());
    EXPECT_EQ(cursor->hotSpot(), QPoint(7, 20));
}

TEST(CurCursor, MissingFileGivesNothing) {
    QTemporaryDir dir;
    EXPECT_FALSE(platform::loadCurCursor(dir.filePath(QStringLiteral("none.cur"))).has_value());
}

TEST(CurCursor, TruncatedFileGivesNothing) {
    const QByteArray bytes = readAll(kCursorPath);
    QTemporaryDir dir;
    for (const qsizetype length : {qsizetype(0), qsizetype(10), qsizetype(22), qsizetype(70)}) {
        const QString path = dir.filePath(QStringLiteral("cut%1.cur").arg(length));
        writeFile(path, bytes.left(length));
        EXPECT_FALSE(platform::loadCurCursor(path).has_value()) << "cut at " << length;
    }
}

TEST(CurCursor, OtherFilesGiveNothing) {
    QTemporaryDir dir;
    const QString garbage = dir.filePath(QStringLiteral("garbage.cur"));
    writeFile(garbage, QByteArray(600, 'x'));
    EXPECT_FALSE(platform::loadCurCursor(garbage).has_value());

    // A well-formed icon file is still not a cursor.
    QByteArray icon = readAll(kCursorPath);
    ASSERT_GT(icon.size(), 4);
    icon[2] = 1;
    const QString iconPath = dir.filePath(QStringLiteral("icon.ico"));
    writeFile(iconPath, icon);
    EXPECT_FALSE(platform::loadCurCursor(iconPath).has_value());
}

namespace {

// A cursor file built by hand: one entry of the given depth, 5x3 pixels (so that rows need
// padding), with the hotspot at (1, 2).
struct HandMade {
    int bits = 8;
    QList<QRgb> palette;           // for 1, 4 and 8 bits
    std::vector<std::uint32_t> px; // palette index, or 0xAARRGGBB for 24 and 32 bits; top-down
    std::vector<bool> clear;       // the mask, top-down
    static constexpr int kWidth = 5;
    static constexpr int kHeight = 3;

    QByteArray bytes() const {
        QByteArray dib;
        auto u8 = [&dib](unsigned v) { dib.append(static_cast<char>(v & 0xff)); };
        auto u16 = [&u8](unsigned v) { u8(v), u8(v >> 8); };
        auto u32 = [&u16](std::uint32_t v) { u16(v & 0xffff), u16(v >> 16); };
        u32(40);
        u32(kWidth);
        u32(kHeight * 2);
        u16(1);
        u16(static_cast<unsigned>(bits));
        u32(0);
        u32(0);
        u32(0);
        u32(0);
        u32(static_cast<std::uint32_t>(palette.size()));
        u32(0);
        for (const QRgb c : palette) {
            u8(qBlue(c)), u8(qGreen(c)), u8(qRed(c)), u8(0);
        }
        const int stride = ((kWidth * bits + 31) / 32) * 4;
        for (int y = kHeight - 1; y >= 0; --y) {
            QByteArray row(stride, '\0');
            for (int x = 0; x < kWidth; ++x) {
                const std::uint32_t v = px[static_cast<std::size_t>(y * kWidth + x)];
                if (bits >= 24) {
                    const int at = x * bits / 8;
                    row[at] = static_cast<char>(qBlue(v));
                    row[at + 1] = static_cast<char>(qGreen(v));
                    row[at + 2] = static_cast<char>(qRed(v));
                    if (bits == 32) {
                        row[at + 3] = static_cast<char>(qAlpha(v));
                    }
                } else {
                    const int bit = x * bits;
                    row[bit / 8] = static_cast<char>(row[bit / 8] | (v << (8 - bits - bit % 8)));
                }
            }
            dib.append(row);
        }
        for (int y = kHeight - 1; y >= 0; --y) {
            QByteArray row(4, '\0');
            for (int x = 0; x < kWidth; ++x) {
                if (clear[static_cast<std::size_t>(y * kWidth + x)]) {
                    row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
                }
            }
            dib.append(row);
        }
        QByteArray file;
        auto f8 = [&file](unsigned v) { file.append(static_cast<char>(v & 0xff)); };
        auto f16 = [&f8](unsigned v) { f8(v), f8(v >> 8); };
        auto f32 = [&f16](std::uint32_t v) { f16(v & 0xffff), f16(v >> 16); };
        f16(0), f16(2), f16(1);
        f8(kWidth), f8(kHeight), f8(0), f8(0);
        f16(1), f16(2);
        f32(static_cast<std::uint32_t>(dib.size()));
        f32(22);
        return file + dib;
    }
};

const std::vector<bool> kMask = {false, true,  false, false, true,  //
                                 false, false, false, true,  false, //
                                 true,  false, false, false, false};

// The picture a hand-made file must give: the colours where the mask is clear of the pixel.
void expectPicture(const QImage& image, const std::vector<QRgb>& colours) {
    ASSERT_EQ(image.size(), QSize(HandMade::kWidth, HandMade::kHeight));
    for (int y = 0; y < HandMade::kHeight; ++y) {
        for (int x = 0; x < HandMade::kWidth; ++x) {
            const std::size_t i = static_cast<std::size_t>(y * HandMade::kWidth + x);
            const QRgb got = image.pixel(x, y);
            if (kMask[i]) {
                EXPECT_EQ(qAlpha(got), 0) << "at " << x << "," << y;
            } else {
                EXPECT_EQ(got, colours[i] | 0xff000000u) << "at " << x << "," << y;
            }
        }
    }
}

HandMade paletteFile(int bits) {
    HandMade made;
    made.bits = bits;
    const QList<QRgb> colours = {qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(200, 10, 10),
                                 qRgb(10, 200, 10), qRgb(10, 10, 200)};
    const int count = bits == 1 ? 2 : 5;
    made.palette = colours.mid(0, count);
    for (int i = 0; i < HandMade::kWidth * HandMade::kHeight; ++i) {
        made.px.push_back(static_cast<std::uint32_t>((i * 3 + 1) % count));
    }
    made.clear = kMask;
    return made;
}

} // namespace

// Cursor files from other programs may hold a palette picture of 1, 4 or 8 bits, or 24-bit
// colour, each with its mask; all read the same as a viewer shows them.
TEST(CurCursor, ReadsEveryCommonDepth) {
    for (const int bits : {1, 4, 8}) {
        SCOPED_TRACE("bits " + std::to_string(bits));
        const HandMade made = paletteFile(bits);
        const std::optional<platform::CurPicture> picture = platform::decodeCur(made.bytes());
        ASSERT_TRUE(picture.has_value());
        EXPECT_EQ(picture->hotspot, QPoint(1, 2));
        std::vector<QRgb> colours;
        for (const std::uint32_t index : made.px) {
            colours.push_back(made.palette[static_cast<int>(index)]);
        }
        expectPicture(picture->image, colours);
    }
    for (const int bits : {24, 32}) {
        SCOPED_TRACE("bits " + std::to_string(bits));
        HandMade made;
        made.bits = bits;
        std::vector<QRgb> colours;
        for (int i = 0; i < HandMade::kWidth * HandMade::kHeight; ++i) {
            // No opacity in the colours: an old 32-bit file leaves it to the mask.
            colours.push_back(qRgba(i * 17, 255 - i * 9, i * 5, 0));
            made.px.push_back(colours.back());
        }
        made.clear = kMask;
        const std::optional<platform::CurPicture> picture = platform::decodeCur(made.bytes());
        ASSERT_TRUE(picture.has_value());
        expectPicture(picture->image, colours);
    }
}

// A 32-bit picture that carries opacity keeps it, whatever its mask says.
TEST(CurCursor, ThirtyTwoBitOpacityComesFromThePicture) {
    HandMade made;
    made.bits = 32;
    for (int i = 0; i < HandMade::kWidth * HandMade::kHeight; ++i) {
        made.px.push_back(qRgba(10, 20, 30, i * 17));
    }
    made.clear = std::vector<bool>(made.px.size(), true);
    const std::optional<platform::CurPicture> picture = platform::decodeCur(made.bytes());
    ASSERT_TRUE(picture.has_value());
    for (int i = 0; i < HandMade::kWidth * HandMade::kHeight; ++i) {
        EXPECT_EQ(picture->image.pixel(i % HandMade::kWidth, i / HandMade::kWidth),
                  qRgba(10, 20, 30, i * 17));
    }
}

TEST(CurCursor, TheShippedFileReadsAsQtReadsIt) {
    const std::optional<platform::CurPicture> picture = platform::decodeCur(readAll(kCursorPath));
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->image, readCursorImage());
    EXPECT_EQ(picture->hotspot, QPoint(cursor_hotspot::kX, cursor_hotspot::kY));
}

TEST(CurCursor, AnEntryHoldingAPngReads) {
    QImage drawing(24, 24, QImage::Format_ARGB32);
    drawing.fill(qRgba(0, 0, 0, 0));
    drawing.setPixel(3, 4, qRgba(255, 0, 0, 255));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(drawing.save(&buffer, "PNG"));
    QByteArray file = paletteFile(4).bytes().left(22);
    file[6] = 24;
    file[7] = 24;
    file[10] = 3;
    file[12] = 4;
    file[14] = static_cast<char>(png.size() & 0xff);
    file[15] = static_cast<char>((png.size() >> 8) & 0xff);
    file[16] = static_cast<char>((png.size() >> 16) & 0xff);
    file[17] = 0;
    const std::optional<platform::CurPicture> picture = platform::decodeCur(file + png);
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->hotspot, QPoint(3, 4));
    EXPECT_EQ(picture->image, drawing);
}

// A damaged or hostile file is refused cleanly, whatever part of it is wrong.
TEST(CurCursor, DamagedFilesAreRefused) {
    const QByteArray good = paletteFile(4).bytes();
    ASSERT_TRUE(platform::decodeCur(good).has_value());
    for (qsizetype length = 0; length < good.size(); ++length) {
        EXPECT_FALSE(platform::decodeCur(good.left(length)).has_value()) << "cut at " << length;
    }
    const QByteArray shipped = readAll(kCursorPath);
    for (qsizetype length = 0; length < shipped.size(); length += 97) {
        EXPECT_FALSE(platform::decodeCur(shipped.left(length)).has_value()) << "cut at " << length;
    }

    auto changed = [&good](int at, std::initializer_list<unsigned char> values) {
        QByteArray bytes = good;
        for (const unsigned char v : values) {
            bytes[at++] = static_cast<char>(v);
        }
        return bytes;
    };
    const int dib = 22;
    const std::vector<std::pair<const char*, QByteArray>> broken = {
        {"offset past the end", changed(18, {0xf0, 0xff, 0xff, 0xff})},
        {"length past the end", changed(14, {0xff, 0xff, 0xff, 0xff})},
        {"no entries", changed(4, {0, 0})},
        {"hotspot beside the picture", changed(10, {5, 0})},
        {"hotspot below the picture", changed(12, {3, 0})},
        {"header too short", changed(dib, {12, 0, 0, 0})},
        {"header longer than the entry", changed(dib, {0, 0, 1, 0})},
        {"no width", changed(dib + 4, {0, 0, 0, 0})},
        {"negative width", changed(dib + 4, {0xfb, 0xff, 0xff, 0xff})},
        {"too wide", changed(dib + 4, {0x01, 0x01, 0, 0})},
        {"odd height", changed(dib + 8, {5, 0, 0, 0})},
        {"too tall for the data", changed(dib + 8, {0, 2, 0, 0})},
        {"top-down height", changed(dib + 8, {0xfa, 0xff, 0xff, 0xff})},
        {"two planes", changed(dib + 12, {2, 0})},
        {"16 bits a pixel", changed(dib + 14, {16, 0})},
        {"no bits a pixel", changed(dib + 14, {0, 0})},
        {"compressed", changed(dib + 16, {1, 0, 0, 0})},
        {"palette larger than the depth allows", changed(dib + 32, {17, 0, 0, 0})},
        {"not a PNG after all", changed(dib, {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'})},
    };
    for (const auto& [what, bytes] : broken) {
        EXPECT_FALSE(platform::decodeCur(bytes).has_value()) << what;
    }
}

// A broken pointer file is still reported by the desktop's image service.
TEST(CurCursor, DesktopImagesReportsABrokenFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("HAND-M.CUR"));
    writeFile(path, readAll(kCursorPath).left(200));
    platform::DesktopImages images;
    try {
        images.loadCursor(path);
        ADD_FAILURE() << "a cut file gave a pointer";
    } catch (const platform::PlatformError& error) {
        EXPECT_EQ(QString::fromStdString(error.what()),
                  QStringLiteral("The pointer file %1 could not be loaded.").arg(path));
    }
    writeFile(path, readAll(kCursorPath));
    EXPECT_EQ(images.loadCursor(path).hotSpot(), QPoint(cursor_hotspot::kX, cursor_hotspot::kY));
}
