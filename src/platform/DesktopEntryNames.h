// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

namespace platform {

// The names desktop entries (.desktop files) give themselves.
class DesktopEntryNames {
  public:
    virtual ~DesktopEntryNames() = default;
    // The Name a valid desktop entry shows, in the user's language where the entry has it;
    // none for any other file, or an entry that cannot be read.
    virtual std::optional<QString> displayName(const QString& path) = 0;
};

} // namespace platform
