// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Settings.h"

namespace platform {

// QSettings of the organisation "Mellovan" and the application "Vantory".
class DesktopSettings : public Settings {
  public:
    void setValue(const QString& section, const QString& key, const QString& value) override;
};

} // namespace platform
