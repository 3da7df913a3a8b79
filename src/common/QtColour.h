// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/Codes.h"

#include <QColor>
#include <cstdint>

namespace common {

// Stored colour codes to and from the toolkit's colour.
inline QColor colourFromCode(std::int32_t code) {
    const store::Rgb c = store::decodeColour(code);
    return QColor(c.red, c.green, c.blue);
}

inline std::int32_t codeFromColour(const QColor& colour) {
    return store::encodeColour(store::Rgb{colour.red(), colour.green(), colour.blue()});
}

} // namespace common
