#pragma once

#include <QString>
#include <optional>

namespace groups {

// Names and descriptions must stay shorter than this many characters.
inline constexpr qsizetype kTooLongCharacters = 254;

// The number of characters in a text as the user sees them: a letter outside the Basic
// Multilingual Plane counts once, although Qt keeps it as two UTF-16 units.
qsizetype characterCount(const QString& text);

// Why the group editor refuses a name and description, tested in the order the user is told:
// length, an empty name, quote marks. None when they may be saved.
std::optional<QString> groupInputRefusal(const QString& name, const QString& description);

} // namespace groups
