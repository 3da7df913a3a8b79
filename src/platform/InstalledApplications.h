#pragma once

#include <QString>

namespace platform {

// True when the desktop entry at canonicalPath is one of the applications GIO lists from the
// XDG applications folders, the desktop's own application menu. An entry of the same name that
// another folder hides, or one that says it is hidden, is not.
bool isInstalledApplication(const QString& canonicalPath);

} // namespace platform
