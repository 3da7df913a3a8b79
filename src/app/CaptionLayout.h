// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

namespace app {

// How a shortcut's caption stands under its icon: wrapped at word boundaries within the cell's
// width (a word too long for a line is broken where it must be), and cut short with "…" on the
// last line a cell allows.
struct WrappedCaption {
    QStringList lines;
    bool cut = false; // the caption needed more lines than it was given
};

// The caption in lines of at most `width` pixels, no more than `maxLines` of them (0: as many as
// it takes).
WrappedCaption wrapCaption(const QFont& font, const QString& caption, int width, int maxLines);

// How many lines the caption needs, counted no further than `maxLines`. A caption that fits one
// line is told from its width alone, so that a long list is measured quickly.
int captionLineCount(const QFont& font, const QString& caption, int width, int maxLines);

// Whether the caption needs more than `lines` lines (1 or more), counted as captionLineCount
// counts them. Once a list's cells hold two lines, a caption is laid out once and its width is
// measured only when the layout finds more lines: most captions are then shaped once, not twice.
bool captionNeedsMoreLines(const QFont& font, const QString& caption, int width, int lines);

} // namespace app
