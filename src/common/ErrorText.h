// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/StoreError.h"

#include <QString>
#include <exception>

namespace common {

// A message of the store in the user's language; its values stay as they are.
QString translated(const store::Message& message);

// What a failure tells the user: the store's message translated, any other failure's own words.
QString errorText(const std::exception& error);

} // namespace common
