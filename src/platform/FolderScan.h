// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FileSystem.h"

#include <QStringList>

#include <sys/types.h>
#include <vector>

namespace platform {

// The kind of what a stat() mode describes.
FileKind kindOfMode(mode_t mode);

// What stat() finds at a path, following symbolic links; Missing when it finds nothing.
FileKind statKind(const QString& path);

// statKind() of each path, in order, at far fewer system calls when many paths share a folder
// (as the files of one drop do): such a folder is read once, and its listing tells files from
// folders. Links, and entries of file systems that do not say what they are, are still asked
// one by one, as is any path the listing does not settle.
std::vector<FileKind> kindsByFolder(const QStringList& paths);

} // namespace platform
