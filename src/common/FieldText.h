// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/ResultSet.h"

#include <QString>
#include <variant>

namespace common {

// A text column of the current row, as the windows show it.
inline QString fieldText(const store::ResultSet& rs, const char* column) {
    // Texts, nearly every value read this way, are converted where they lie.
    const store::Cell& value = rs.cell(column);
    if (const auto* text = std::get_if<std::string>(&value)) {
        return QString::fromUtf8(*text);
    }
    return QString::fromStdString(store::Field(column, value).text());
}

// The most characters of a description the one-line description label is given: a line shows
// far fewer, and laying out megabytes of text costs the window hundreds of megabytes and a pause.
inline constexpr qsizetype kDescriptionShown = 4000;

// A description column of the current row, cut to what the description line can show.
inline QString descriptionText(const store::ResultSet& rs, const char* column) {
    std::string text = rs.field(column).text();
    // Four bytes hold any character, so the cut keeps at least kDescriptionShown of them.
    const auto bytes = static_cast<std::size_t>(kDescriptionShown) * 4;
    if (text.size() > bytes) {
        text.resize(bytes); // a character cut in two becomes U+FFFD, and is cut off below
    }
    return QString::fromStdString(text).left(kDescriptionShown);
}

} // namespace common
