// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace store {

// Shortcut kinds as stored in tblItems.itemtype.
namespace kind {
constexpr std::int16_t Folder = 1;
constexpr std::int16_t Application = 2;
constexpr std::int16_t Url = 3;
constexpr std::int16_t Email = 4;
constexpr std::int16_t ShellFile = 5;
} // namespace kind

// Window states as stored in tblItems.openas: the position in the editor's "Open As:" list.
namespace windowstate {
constexpr std::int16_t NoneChosen = -1;
constexpr std::int16_t Normal = 0;
constexpr std::int16_t Minimized = 1;
constexpr std::int16_t Maximized = 2;
} // namespace windowstate

// Stored colours pack red + 256 * green + 65536 * blue (&H00BBGGRR).
struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Rgb&) const = default;
};

constexpr std::int32_t encodeColour(Rgb c) {
    return static_cast<std::int32_t>((c.red & 0xFF) | ((c.green & 0xFF) << 8) |
                                     ((c.blue & 0xFF) << 16));
}

constexpr Rgb decodeColour(std::int32_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    return Rgb{static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF),
               static_cast<int>((v >> 16) & 0xFF)};
}

} // namespace store
