// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

namespace common {

// Names, captions and descriptions must stay shorter than this many characters.
inline constexpr qsizetype kFieldTooLong = 254;

// Characters as the user sees them: a letter outside the basic plane counts once, although Qt
// keeps it as two UTF-16 units.
inline qsizetype characterCount(const QString& text) {
    return text.toUcs4().size();
}

// True for a text the catalogue's fields do not take.
inline bool isTooLong(const QString& text) {
    return characterCount(text) >= kFieldTooLong;
}

} // namespace common
