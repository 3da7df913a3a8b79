// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/TargetIcons.h"

#include <QHash>
#include <QMimeDatabase>
#include <optional>

namespace platform {

// Finds the desktop's icon for a target by reading the target's own file system entry; keeps
// what the icon theme answers, by icon name, and what each MIME type's icon is.
class IconLookup {
  public:
    // A null icon when the desktop knows none for the target.
    QIcon find(TargetIcons::Target target, const QString& path);

  private:
    QIcon folderIcon(const QString& canonicalPath);
    QIcon fileTypeIcon(const QString& path);
    QIcon desktopEntryIcon(const QString& path);
    // An Icon value: a name in the icon theme, or the absolute path of a picture.
    QIcon named(QString icon);

    QHash<QString, QIcon> byName_;
    QHash<QString, QIcon> byMimeType_;
    std::optional<QHash<QString, QString>> userFolders_; // canonical path -> icon name
    QMimeDatabase mimeTypes_;
    bool fallbacksSet_ = false;
};

} // namespace platform
