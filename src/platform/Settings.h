// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace platform {

// The per-user settings store. The program writes values and never reads them back.
class Settings {
  public:
    virtual ~Settings() = default;
    // Stores a value under "section/key".
    virtual void setValue(const QString& section, const QString& key, const QString& value) = 0;
};

} // namespace platform
