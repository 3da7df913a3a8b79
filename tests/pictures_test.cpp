// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/ImageLists.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

const char* const kNames[] = {"computer", "folder", "program", "url", "email"};
const int kSizes[] = {16, 24, 32, 48, 64, 96, 128};

QImage drawnFromSvg(const QString& name, int size) {
    QSvgRenderer renderer(QStringLiteral(VANTORY_SOURCE_DIR "/resources/icons/%1.svg").arg(name));
    EXPECT_TRUE(renderer.isValid()) << name.toStdString();
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(0, 0, size, size));
    painter.end();
    return image;
}

QImage imageOf(const QIcon& icon, int size, QIcon::Mode mode = QIcon::Normal) {
    return icon.pixmap(QSize(size, size), 1.0, mode)
        .toImage()
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The largest difference of any channel of any pixel.
int largestDifference(const QImage& a, const QImage& b) {
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest =
                std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
        }
    }
    return largest;
}

int opaquePixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
        }
    }
    return count;
}

struct Picture {
    QString name;
    QIcon icon;
};

std::vector<Picture> allPictures() {
    std::vector<Picture> all;
    for (int n = 1; n <= 5; ++n) {
        all.push_back({QLatin1String(kNames[n - 1]), common::imageListIcon(n)});
    }
    all.push_back({QStringLiteral("vantory"), common::productIcon()});
    return all;
}

} // namespace

// At every usual size each picture is the drawing made for that size: right size, not blank,
// and as sharp as the SVG drawn there (a picture scaled up from a smaller one would differ).
TEST(Pictures, EachSizeIsTheDrawingMadeForIt) {
    for (const Picture& picture : allPictures()) {
        for (const int size : kSizes) {
            SCOPED_TRACE(picture.name.toStdString() + " at " + std::to_string(size));
            const QImage got = imageOf(picture.icon, size);
            ASSERT_EQ(got.size(), QSize(size, size));
            EXPECT_GT(opaquePixels(got), size * size / 8);
            EXPECT_LE(largestDifference(got, drawnFromSvg(picture.name, size)), 2);
        }
    }
}

TEST(Pictures, SizesBetweenTheDrawingsAndScaledScreensComeOutTheRightSize) {
    const QIcon folder = common::imageListIcon(2);
    for (const int size : {18, 20, 33, 40, 200}) {
        const QImage got = imageOf(folder, size);
        EXPECT_EQ(got.size(), QSize(size, size)) << size;
        EXPECT_GT(opaquePixels(got), size * size / 8) << size;
    }
    // A 16-pixel tree node on a screen at twice the scale gets the 32-pixel drawing.
    const QPixmap doubled = folder.pixmap(QSize(16, 16), 2.0);
    EXPECT_EQ(doubled.size(), QSize(32, 32));
    EXPECT_DOUBLE_EQ(doubled.devicePixelRatio(), 2.0);
    EXPECT_LE(
        largestDifference(doubled.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
                          drawnFromSvg(QStringLiteral("folder"), 32)),
        2);
}

TEST(Pictures, DistinctPicturesDiffer) {
    const std::vector<Picture> all = allPictures();
    for (std::size_t i = 0; i < all.size(); ++i) {
        for (std::size_t j = i + 1; j < all.size(); ++j) {
            EXPECT_GT(largestDifference(imageOf(all[i].icon, 32), imageOf(all[j].icon, 32)), 64)
                << all[i].name.toStdString() << " and " << all[j].name.toStdString();
        }
    }
}

// A selected node or shortcut keeps its true colours; a disabled one looks disabled.
TEST(Pictures, SelectedKeepsTrueColoursAndDisabledLooksDisabled) {
    for (const Picture& picture : allPictures()) {
        SCOPED_TRACE(picture.name.toStdString());
        for (const int size : {16, 32}) {
            const QImage normal = imageOf(picture.icon, size);
            EXPECT_EQ(imageOf(picture.icon, size, QIcon::Selected), normal);
            EXPECT_EQ(imageOf(picture.icon, size, QIcon::Active), normal);
            const QImage disabled = imageOf(picture.icon, size, QIcon::Disabled);
            EXPECT_EQ(disabled.size(), normal.size());
            EXPECT_NE(disabled, normal);
        }
    }
}

TEST(Pictures, EveryUseSharesOnePictureAndUnknownNumbersThrow) {
    for (int n = 1; n <= 5; ++n) {
        EXPECT_EQ(common::imageListIcon(n).cacheKey(), common::imageListIcon(n).cacheKey());
        EXPECT_FALSE(common::imageListIcon(n).isNull());
    }
    EXPECT_EQ(common::productIcon().cacheKey(), common::productIcon().cacheKey());
    for (const int unknown : {0, 6, -1, 100}) {
        EXPECT_THROW(common::imageListIcon(unknown), std::out_of_range) << unknown;
    }
}

// The window system asks the window icon for each size it offers and is given each one.
TEST(Pictures, TheWindowIconOffersTheUsualSizes) {
    const QList<QSize> offered = common::productIcon().availableSizes();
    EXPECT_EQ(offered, (QList<QSize>{{16, 16}, {32, 32}, {48, 48}}));
    for (const QSize& size : offered) {
        EXPECT_EQ(common::productIcon().pixmap(size).size(), size);
    }
}

// Showing the pictures needs no SVG icon engine: they are drawn already.
TEST(Pictures, ShowingThemLoadsNoSvgIconEngine) {
    for (const Picture& picture : allPictures()) {
        imageOf(picture.icon, 16);
        imageOf(picture.icon, 32);
    }
    QFile maps(QStringLiteral("/proc/self/maps"));
    ASSERT_TRUE(maps.open(QIODevice::ReadOnly));
    EXPECT_FALSE(maps.readAll().contains("libqsvgicon"));
}
