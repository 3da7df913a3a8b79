// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PairWidths.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QTextLayout>
#include <climits>
#include <cmath>

namespace app {

namespace {

// A pair shaped into other than its two glyphs, a ligature; and a pair not learnt.
constexpr int kJoined = INT_MIN;
constexpr int kUnknown = INT_MIN + 1;

// How far a sum may come to the line's width before the caption is measured whole: no sum has
// been seen to differ at all, this is room to spare.
constexpr qint64 kMargin64 = 64;

// Latin-1 and Latin Extended A and B without controls and the soft hyphen, which shaping may
// hide or break at.
bool plain(char16_t c) {
    return (c >= 0x20 && c < 0x7f) || (c >= 0xa0 && c < 0x250 && c != 0xad);
}

int glyphCount(const QString& text, const QFont& font) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    int glyphs = 0;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        glyphs += static_cast<int>(run.glyphIndexes().size());
    }
    return glyphs;
}

} // namespace

void PairWidths::useFont(const QFont& font) {
    const qreal lineHeight = QFontMetricsF(font).height();
    if (font == font_ && lineHeight == lineHeight_) {
        return;
    }
    font_ = font;
    lineHeight_ = lineHeight;
    pairs_.clear();
    singles_.clear();
}

int PairWidths::shaped64(const QString& text) const {
    return static_cast<int>(std::lround(QFontMetricsF(font_).horizontalAdvance(text) * 64));
}

int PairWidths::advanceOf(char16_t last) {
    auto known = singles_.constFind(last);
    if (known == singles_.constEnd()) {
        known = singles_.insert(last, shaped64(QString(QChar(last))));
    }
    return *known;
}

int PairWidths::advanceBefore(char16_t first, char16_t next, bool learn) {
    const quint32 key = (quint32{first} << 16) | next;
    auto known = pairs_.constFind(key);
    if (known == pairs_.constEnd()) {
        if (!learn) {
            return kUnknown;
        }
        const QChar both[] = {QChar(first), QChar(next)};
        const QString pair(both, 2);
        known = pairs_.insert(key, glyphCount(pair, font_) == 2 ? shaped64(pair) - advanceOf(next)
                                                                : kJoined);
    }
    return *known;
}

std::optional<qint64> PairWidths::sumOfPairs(const QString& caption, bool learn) {
    if (caption.isEmpty()) {
        return std::nullopt;
    }
    qint64 sum = 0;
    const qsizetype last = caption.size() - 1;
    for (qsizetype i = 0; i <= last; ++i) {
        const char16_t c = caption[i].unicode();
        if (!plain(c)) {
            return std::nullopt;
        }
        if (i == last) {
            sum += advanceOf(c);
        } else {
            const int advance = advanceBefore(c, caption[i + 1].unicode(), learn);
            if (advance == kJoined || advance == kUnknown) {
                return std::nullopt;
            }
            sum += advance;
        }
    }
    return sum;
}

std::optional<bool> PairWidths::fitsOneLine(const QString& caption, int width, bool learn) {
    // The font's measure rounds its 64ths half up: a caption fits below width * 64 + 32.
    const qint64 limit = qint64{width} * 64 + 32;
    const std::optional<qint64> sum = sumOfPairs(caption, learn);
    if (!sum || (*sum >= limit - kMargin64 && *sum < limit + kMargin64)) {
        return std::nullopt;
    }
    return *sum < limit;
}

} // namespace app
