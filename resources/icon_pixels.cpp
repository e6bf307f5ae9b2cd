// SPDX-License-Identifier: GPL-3.0-or-later
#include "icon_pixels.h"

#include "tolvarine.xpm"

#include <map>
#include <sstream>
#include <stdexcept>
#include <string>

namespace icon {

std::vector<int> ReadPixels() {
    int width = 0, height = 0, colours = 0, perPixel = 0;
    std::istringstream(tolvarine_xpm[0]) >> width >> height >> colours >> perPixel;
    if (width != kSize || height != kSize || perPixel != 1)
        throw std::runtime_error("the icon must be 32 x 32 with one character a pixel");

    std::map<char, int> indexOf;
    for (int c = 1; c <= colours; ++c) {
        const std::string line = tolvarine_xpm[c];
        const std::string value = line.substr(line.rfind(' ') + 1);
        int index = kTransparent;
        if (value != "None") {
            const auto rgb = static_cast<std::uint32_t>(std::stoul(value.substr(1), nullptr, 16));
            index = 0;
            while (index < 16 && kPalette[static_cast<std::size_t>(index)] != rgb)
                ++index;
            if (index == 16)
                throw std::runtime_error("not one of the 16 standard colours: " + value);
        }
        indexOf[line[0]] = index;
    }

    std::vector<int> pixels;
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x)
            pixels.push_back(indexOf.at(tolvarine_xpm[1 + colours + y][x]));
    }
    return pixels;
}

} // namespace icon
