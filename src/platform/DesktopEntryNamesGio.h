// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DesktopEntryNames.h"

namespace platform {

// Reads desktop entries with GLib's key-file parser, which knows their localised keys.
class DesktopEntryNamesGio : public DesktopEntryNames {
  public:
    // language: a locale such as "de_DE" to read the names in; none for the user's languages.
    explicit DesktopEntryNamesGio(std::optional<QString> language = std::nullopt);
    std::optional<QString> displayName(const QString& path) override;

  private:
    std::optional<QString> language_;
};

} // namespace platform
