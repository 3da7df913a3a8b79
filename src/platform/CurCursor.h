#pragma once

#include <QCursor>
#include <QString>

#include <optional>

namespace platform {

// Reads a Windows cursor file: the picture of its first entry, with that entry's hotspot.
// Qt reads the picture but not the hotspot, so the hotspot is taken from the file's header.
// Returns nothing when the file is missing, is not a cursor file, or its picture is unreadable.
std::optional<QCursor> loadCurCursor(const QString& path);

} // namespace platform
