// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace platform {

// What a desktop entry says it starts.
struct DesktopEntryCommand {
    QString name; // Name, in the user's language where the entry has it
    QString exec; // Exec as the entry means it, key-file escapes undone
    QString icon;
};

// A file larger than this is no desktop entry (the largest a desktop ships are some 100 KiB);
// reading it as one would hold the window.
inline constexpr qint64 kMaxDesktopEntrySize = 1024 * 1024;

// Reads the "Desktop Entry" group of an entry's text; none for any other text.
std::optional<DesktopEntryCommand> readDesktopEntry(const QByteArray& content);

// The Exec line with its field codes filled in: the parameters, each quoted as one word, where
// the first file or address code stands (at the end when there is none), and the icon, name and
// location. Per cent signs come out doubled, so GIO's own expansion of the line gives it back
// unchanged.
QString execWithParameters(const DesktopEntryCommand& entry, const QString& location,
                           const QStringList& parameters);

} // namespace platform
