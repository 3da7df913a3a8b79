// SPDX-License-Identifier: GPL-3.0-or-later
// make_icon IN.svg OUTDIR NAME SIZE...
// make_icon --flat IN.svg OUTDIR SIZE...
//
// Draws one of the program's SVG pictures with Qt's SVG renderer at each size. The first form
// writes OUTDIR/SIZExSIZE/apps/NAME.png, the layout of an icon theme; the second writes
// OUTDIR/SIZE.png, the layout the program's compiled-in pictures use. Those are written
// without row filters: the program decodes them while its window opens, and unfiltered rows
// decode in about half the time for a few per cent more bytes.

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

#include <png.h>

namespace {

QImage drawn(QSvgRenderer& renderer, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        renderer.render(&painter, QRectF(0, 0, size, size));
    }
    return image.convertToFormat(QImage::Format_ARGB32);
}

// libpng reports a failure by jumping back to the setjmp, so this function keeps no state of
// its own that the jump could leave behind.
bool writeRows(png_structp png, png_infop info, std::FILE* out, const QImage& rgba) {
    if (setjmp(png_jmpbuf(png)) != 0) {
        return false;
    }
    png_init_io(png, out);
    png_set_IHDR(png, info, static_cast<png_uint_32>(rgba.width()),
                 static_cast<png_uint_32>(rgba.height()), 8, PNG_COLOR_TYPE_RGB_ALPHA,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_set_compression_level(png, 9);
    png_write_info(png, info);
    for (int y = 0; y < rgba.height(); ++y) {
        png_write_row(png, rgba.constScanLine(y));
    }
    png_write_end(png, nullptr);
    return true;
}

// An 8-bit RGBA PNG whose rows carry no filter, at the best compression.
bool writeUnfiltered(const QImage& image, const QString& path) {
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    std::FILE* out = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (out == nullptr) {
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    const bool written = info != nullptr && writeRows(png, info, out, rgba);
    png_destroy_write_struct(&png, &info);
    return std::fclose(out) == 0 && written;
}

int usage() {
    std::fprintf(stderr, "usage: make_icon IN.svg OUTDIR NAME SIZE...\n"
                         "       make_icon --flat IN.svg OUTDIR SIZE...\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const bool flat = argc > 1 && QByteArray(argv[1]) == "--flat";
    const int first = flat ? 2 : 1; // the SVG's argument
    const int firstSize = flat ? first + 2 : first + 3;
    if (argc <= firstSize) {
        return usage();
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[first]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "make_icon: cannot read %s\n", argv[first]);
        return 1;
    }
    const QString outDir = QString::fromLocal8Bit(argv[first + 1]);
    const QString name = flat ? QString() : QString::fromLocal8Bit(argv[first + 2]);

    for (int i = firstSize; i < argc; ++i) {
        bool number = false;
        const int size = QString::fromLatin1(argv[i]).toInt(&number);
        if (!number || size <= 0) {
            std::fprintf(stderr, "make_icon: %s is no size\n", argv[i]);
            return 2;
        }
        const QString folder =
            flat ? outDir : QStringLiteral("%1/%2x%2/apps").arg(outDir).arg(size);
        const QString file = flat ? QStringLiteral("%1/%2.png").arg(folder).arg(size)
                                  : folder + QLatin1Char('/') + name + QStringLiteral(".png");
        if (!QDir().mkpath(folder) || !(flat ? writeUnfiltered(drawn(renderer, size), file)
                                             : drawn(renderer, size).save(file, "PNG"))) {
            std::fprintf(stderr, "make_icon: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
