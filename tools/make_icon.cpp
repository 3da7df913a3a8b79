// make_icon IN.svg OUTDIR NAME SIZE...
// make_icon --flat IN.svg OUTDIR SIZE...
//
// Draws one of the program's SVG pictures with Qt's SVG renderer at each size. The first form
// writes OUTDIR/SIZExSIZE/apps/NAME.png, the layout of an icon theme; the second writes
// OUTDIR/SIZE.png, the layout the program's compiled-in pictures use.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

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
        if (!QDir().mkpath(folder) || !drawn(renderer, size).save(file, "PNG")) {
            std::fprintf(stderr, "make_icon: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
