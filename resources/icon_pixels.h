// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The pixels of the program's icon, read from its XPM source: the one drawing
// from which every icon file of the program is made.
#include <array>
#include <cstdint>
#include <vector>

namespace icon {

// The standard 16-colour palette, in the order of its indices, as 0xRRGGBB.
constexpr std::array<std::uint32_t, 16> kPalette = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};
constexpr int kTransparent = -1;
constexpr int kSize = 32;

// Palette index of each pixel, row by row from the top, or kTransparent.
// Throws std::runtime_error if the XPM is not 32 x 32 in the 16 colours.
std::vector<int> ReadPixels();

} // namespace icon
