// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

namespace store {
class Connection;
}

// The rules both shortcut editors apply before they write a shortcut.
namespace shortcuts {

// The first of the input tests that refuses caption, description and target, as the message the
// editor shows; none when the input passes.
std::optional<QString> inputRefusal(const QString& caption, const QString& description,
                                    const QString& path);

// True when the category already holds a shortcut with this caption (in any letter case).
bool captionTakenInCategory(store::Connection& db, const QString& caption, const QString& category);

// True when a shortcut other than the one being edited (ownCaption in ownCategory) has this
// caption, in any category and any letter case.
bool captionTakenByAnother(store::Connection& db, const QString& caption,
                           const QString& ownCategory, const QString& ownCaption);

} // namespace shortcuts
