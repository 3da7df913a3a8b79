// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FileSystem.h"

namespace platform {

// The local file system. Linux has no hidden or system attribute: names starting with a dot
// are found like any other.
class DesktopFileSystem : public FileSystem {
  public:
    // Names the type from the file's name and its first bytes (QMimeDatabase).
    FileFacts inspect(const QString& path) override;
    FileKind kindOf(const QString& path) override;
    std::vector<FileKind> kindsOf(const QStringList& paths) override;
    void createFolder(const QString& path) override;
    void copyFile(const QString& from, const QString& to) override;
    QString readText(const QString& path) override;
};

} // namespace platform
