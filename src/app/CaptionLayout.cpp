// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CaptionLayout.h"

#include <QFontMetrics>
#include <QTextLayout>

namespace app {

namespace {

// Lays the caption out line by line and hands each line's start and length to `take`, which
// returns false to stop.
template <class Take> void layOut(const QFont& font, const QString& caption, int width, Take take) {
    QTextLayout layout(caption, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        if (!take(line.textStart(), line.textLength())) {
            break;
        }
    }
    layout.endLayout();
}

} // namespace

WrappedCaption wrapCaption(const QFont& font, const QString& caption, int width, int maxLines) {
    WrappedCaption wrapped;
    const QFontMetrics metrics(font);
    layOut(font, caption, width, [&](int start, int length) {
        if (maxLines > 0 && wrapped.lines.size() + 1 == maxLines &&
            start + length < caption.size()) {
            // The last line the cell allows takes the rest of the caption, cut short.
            wrapped.lines << metrics.elidedText(caption.mid(start).simplified(), Qt::ElideRight,
                                                width);
            wrapped.cut = true;
            return false;
        }
        wrapped.lines << caption.mid(start, length).trimmed();
        return true;
    });
    return wrapped;
}

namespace {

bool fitsOneLine(const QFont& font, const QString& caption, int width) {
    return QFontMetrics(font).horizontalAdvance(caption) <= width;
}

int wrappedLineCount(const QFont& font, const QString& caption, int width, int maxLines) {
    int lines = 0;
    layOut(font, caption, width, [&](int, int) { return ++lines < maxLines; });
    return lines;
}

} // namespace

int captionLineCount(const QFont& font, const QString& caption, int width, int maxLines) {
    return fitsOneLine(font, caption, width) ? 1 : wrappedLineCount(font, caption, width, maxLines);
}

bool captionNeedsMoreLines(const QFont& font, const QString& caption, int width, int lines) {
    if (lines < 2) {
        return !fitsOneLine(font, caption, width);
    }
    // A caption that fits one line counts one line whatever its layout says, so the width
    // decides only where the layout found more lines than `lines`.
    return wrappedLineCount(font, caption, width, lines + 1) > lines &&
           !fitsOneLine(font, caption, width);
}

} // namespace app
