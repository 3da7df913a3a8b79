// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FileSystem.h"
#include "platform/TargetIcons.h"

#include <QIcon>
#include <QString>
#include <cstdint>

namespace common {

// The number of a shortcut kind's picture: the kind plus one, except that a file opened by the
// desktop shows the program picture. Throws std::out_of_range for a kind without a picture.
int kindPicture(std::int16_t kind);

// What a shortcut's entry shows: the desktop's icon for its target where the desktop knows one,
// else the picture numbered `picture`. Web and mail addresses always show their pictures.
QIcon shortcutIcon(platform::TargetIcons& icons, std::int16_t kind, const QString& path,
                   int picture);

// True when the shortcut points at a file or folder that is not there, so that launching it
// would be refused: a folder that is gone, a program that is no file, a file at an absolute path
// that is gone. Web and mail addresses, and what the desktop resolves itself, are never missing.
// `found` is what the file system holds at `path`.
bool targetIsMissing(std::int16_t kind, const QString& path, platform::FileKind found);
// The same, asking the file system.
bool targetIsMissing(platform::FileSystem& files, std::int16_t kind, const QString& path);
// Whether the kind points at something the file system holds, so that it is worth asking.
bool kindHasFileTarget(std::int16_t kind);

// An entry's icon marked as pointing at nothing: greyed, with a red cross in its corner.
QIcon missingTargetIcon(const QIcon& icon);

} // namespace common
