// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QString>

namespace platform {

// The icons the desktop shows for the targets of shortcuts: a program's, a file type's, a
// folder's, from the desktop's icon theme.
class TargetIcons {
  public:
    enum class Target { Folder, Application, File };

    virtual ~TargetIcons() = default;
    // The desktop's icon for the target at `path`, or `fallback` where the desktop knows none:
    // the target is missing or unreadable, or the theme lacks its icon. The answer may be found
    // only when the icon is first drawn, so that filling a long list reads no file.
    virtual QIcon icon(Target target, const QString& path, const QIcon& fallback) = 0;
};

} // namespace platform
