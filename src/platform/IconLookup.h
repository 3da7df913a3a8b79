// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FileSystem.h"
#include "platform/TargetIcons.h"

#include <QHash>
#include <QMimeDatabase>

#include <optional>

namespace platform {

// Where a target's icon comes from, as its file system entry tells: a name in the icon theme, a
// picture file that loads, or a program whose installed application names the icon. All empty
// when the desktop knows none.
struct IconSource {
    QString themeName;
    QString picture; // absolute path
    QString program; // canonical path
    bool operator==(const IconSource&) const = default;
};

// Looks at targets, and only at them: it may wait on a file system that does not answer, so it
// runs beside the window, one object to a thread. A desktop entry is read only when it is a
// regular file of at most kMaxDesktopEntrySize, and a picture is taken only when it loads.
class IconLocator {
  public:
    IconSource locate(TargetIcons::Target target, const QString& path);
    // An Icon value's name in the icon theme: without the file extension some entries add.
    static QString themeName(const QString& icon);

  private:
    IconSource folderIcon(const QString& canonicalPath);
    IconSource fileTypeIcon(const QString& path);
    IconSource desktopEntryIcon(const QString& path);
    // An Icon value: a name in the icon theme, or the absolute path of a picture.
    IconSource named(const QString& icon);

    std::optional<QHash<QString, QString>> userFolders_; // canonical path -> icon name
    QMimeDatabase mimeTypes_;
};

// Turns what the locator found into the icon, on the window's thread; keeps what the icon theme
// answers by name for the session.
class IconLookup {
  public:
    // A null icon when the desktop knows none.
    QIcon load(const IconSource& source);

  private:
    QIcon named(const QString& icon);

    QHash<QString, QIcon> byName_;
    bool fallbacksSet_ = false;
};

} // namespace platform
