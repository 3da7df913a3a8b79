// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QHash>
#include <QString>
#include <optional>

namespace app {

// Whether captions fit one line, told for a long list without shaping every caption. In a
// caption of plain Latin letters, digits and punctuation, each glyph's advance depends only on
// the glyph after it (kerning works on pairs), so the caption's width is the sum, over its
// characters, of each character's advance before the next one, learnt once per pair by shaping
// that pair. A pair the font joins into one glyph, a character outside that plain set, or a
// width too close to the line's to risk a rounding difference leaves the caption to the font's
// own measure.
class PairWidths {
  public:
    // Keeps what was learnt while the font, and the screen's resolution it is measured at, stay.
    void useFont(const QFont& font);

    // Whether the caption fits one line of `width` pixels, exactly as
    // QFontMetrics(font).horizontalAdvance(caption) <= width tells, where its pairs can tell.
    // Pairs not yet known are learnt when `learn`, which costs more than measuring a few
    // captions whole; otherwise a caption with one is left to the font's measure.
    std::optional<bool> fitsOneLine(const QString& caption, int width, bool learn);

    // The caption's width in 64ths of a pixel from its pairs; none when it is not plain, or has
    // a pair not known and not to be learnt.
    std::optional<qint64> sumOfPairs(const QString& caption, bool learn = true);

  private:
    int advanceBefore(char16_t first, char16_t next, bool learn);
    int advanceOf(char16_t last);
    int shaped64(const QString& text) const;

    QFont font_;
    qreal lineHeight_ = 0;
    QHash<quint32, int> pairs_; // both characters, first in the high half: advance, or kJoined
    QHash<char16_t, int> singles_;
};

} // namespace app
