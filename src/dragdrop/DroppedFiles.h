// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class QMimeData;

namespace platform {
class FileSystem;
}

namespace dragdrop {

// The display name a desktop entry gives itself, none when the file is not a valid entry.
using EntryNameLookup = std::function<std::optional<QString>(const QString& path)>;

// True when the dragged data carries at least one local file or folder.
bool offersFileList(const QMimeData* data);
// The local paths of the dragged data, in order; addresses that are not local files are left out.
QStringList droppedPaths(const QMimeData* data);

// A dropped path's caption: a desktop entry's own name when it has one, otherwise the file name
// without its extension.
QString dropCaption(const QString& path, const EntryNameLookup& entryNames);
// True for a caption the catalogue can hold: not empty, shorter than 254 characters and without
// an apostrophe.
bool isStorableCaption(const QString& caption);
// For each path, in order: folder (1) for an existing folder, shell-opened file (5) for
// anything else.
std::vector<std::int16_t> dropKinds(platform::FileSystem& files, const QStringList& paths);

} // namespace dragdrop
