// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace common {

// Window layouts are designed in twips, 15 to a pixel at normal resolution; Qt scales pixels
// on high-density screens.
inline constexpr int kTwipsPerPixel = 15;

constexpr int twips(int value) {
    return value / kTwipsPerPixel;
}

} // namespace common
