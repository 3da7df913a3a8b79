#include "platform/CurCursor.h"

#include "../tools/CursorHotspot.h"

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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
