// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/ColourScheme.h"

#include "common/Painting.h"

#include <QCoreApplication>
#include <QEvent>

#include <cmath>

namespace common {

namespace {

// Relative luminance of an sRGB colour.
double luminance(const QColor& colour) {
    const auto channel = [](double value) {
        return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

QColor mix(const QColor& from, const QColor& to, double share) {
    const auto blend = [share](int a, int b) {
        return static_cast<int>(std::lround(a + (b - a) * share));
    };
    return QColor(blend(from.red(), to.red()), blend(from.green(), to.green()),
                  blend(from.blue(), to.blue()));
}

} // namespace

bool isDarkScheme(const QPalette& palette) {
    return luminance(palette.color(QPalette::Window)) < 0.2;
}

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableOn(const QColor& colour, const QColor& background) {
    if (contrastRatio(colour, background) >= kReadableContrast) {
        return colour;
    }
    const QColor target = luminance(background) < 0.5 ? QColor(Qt::white) : QColor(Qt::black);
    // The least share of the target colour that reaches the contrast, to a 1/256 step.
    double low = 0.0;
    double high = 1.0;
    for (int step = 0; step < 8; ++step) {
        const double middle = (low + high) / 2;
        (contrastRatio(mix(colour, target, middle), background) >= kReadableContrast ? high : low) =
            middle;
    }
    return mix(colour, target, high);
}

QColor windowBackground(const QPalette& palette) {
    return isDarkScheme(palette) ? palette.color(QPalette::Window) : kWindowWhite;
}

QColor viewBase(const QPalette& palette) {
    return isDarkScheme(palette) ? palette.color(QPalette::Base) : kWindowWhite;
}

QColor shownColour(const QColor& stored, const QPalette& palette) {
    return readableOn(stored, viewBase(palette));
}

SchemeWatch::SchemeWatch(QObject* owner, std::function<void()> changed)
    : QObject(owner), changed_(std::move(changed)) {
    QCoreApplication::instance()->installEventFilter(this);
}

bool SchemeWatch::eventFilter(QObject* watched, QEvent* event) {
    if (watched == QCoreApplication::instance() &&
        (event->type() == QEvent::ApplicationPaletteChange ||
         event->type() == QEvent::ThemeChange)) {
        changed_();
    }
    return false;
}

} // namespace common
