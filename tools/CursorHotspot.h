// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The hand pointer's hotspot: the tip of the index finger in resources/cursors/hand.svg.
// The finger's outline is centred on x = 10.5 and its top reaches y = 1, so the pixel under
// the fingertip is (10, 1) in the 32x32 picture. Keep these in step with the drawing.
namespace cursor_hotspot {

inline constexpr int kSize = 32;
inline constexpr int kX = 10;
inline constexpr int kY = 1;

} // namespace cursor_hotspot
