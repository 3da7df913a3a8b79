// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace store {

// Loads what opening the catalogue first needs: SQLite's own set-up, and ICU's rules for
// comparing names in the locale (later collators for the locale come from ICU's cache). Meant
// for another thread while the program builds its window, so that the open does not wait.
void warmUp(const std::string& collationLocale);

} // namespace store
