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

int captionLineCount(const QFont& font, const QString& caption, int width, int maxLines) {
    if (QFontMetrics(font).horizontalAdvance(caption) <= width) {
        return 1;
    }
    int lines = 0;
    layOut(font, caption, width, [&](int, int) { return ++lines < maxLines; });
    return lines;
}

} // namespace app
