// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/TargetIcons.h"
#include "platform/TargetLookups.h"

#include <memory>

namespace platform {

// The desktop's icons: a desktop entry's Icon, the installed application that starts a
// program, a file's MIME type icon by its name, the user folders' own icons, all from the icon
// theme the desktop sets (QIcon::fromTheme), with hicolor behind it. Each target is looked up
// beside the window when its icon is first drawn (TargetLookups), the kind's picture showing
// until the answer comes; the theme's icons are kept by name for the session.
class DesktopTargetIcons : public TargetIcons {
  public:
    // `locate` and `timeLimit` as TargetLookups takes them; tests give their own.
    explicit DesktopTargetIcons(TargetLookups::Locate locate = {},
                                std::chrono::milliseconds timeLimit = std::chrono::seconds(2));
    ~DesktopTargetIcons() override;
    QIcon icon(Target target, const QString& path, const QIcon& fallback) override;
    // Lookups asked for and not answered yet.
    bool lookupsPending() const;

    struct State;

  private:
    // Shared with every icon handed out, which may outlive this object.
    std::shared_ptr<State> state_;
};

} // namespace platform
