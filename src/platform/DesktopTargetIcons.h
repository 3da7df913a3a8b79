// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/TargetIcons.h"

#include <memory>

namespace platform {

class IconLookup;

// The desktop's icons: a desktop entry's Icon, the installed application that starts a
// program, a file's MIME type icon by its name, the user folders' own icons, all from the icon
// theme the desktop sets (QIcon::fromTheme), with hicolor behind it. Each icon is looked up when
// it is first drawn; the theme's icons are kept by name for the session.
class DesktopTargetIcons : public TargetIcons {
  public:
    DesktopTargetIcons();
    ~DesktopTargetIcons() override;
    QIcon icon(Target target, const QString& path, const QIcon& fallback) override;

  private:
    // Shared with every icon handed out, which may outlive this object.
    std::shared_ptr<IconLookup> lookup_;
};

} // namespace platform
