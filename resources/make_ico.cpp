// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the program's icon as a Windows .ico from its XPM source: one 32 x 32
// image in the 16 standard colours, with a transparency mask.
// Usage: make_ico <output.ico>
#include "icon_pixels.h"

#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using icon::kPalette;
using icon::kSize;
using icon::kTransparent;

class Bytes {
public:
    void U8(unsigned value) { m_data.push_back(static_cast<char>(value & 0xFF)); }
    void U16(unsigned value) {
        U8(value);
        U8(value >> 8);
    }
    void U32(std::uint32_t value) {
        U16(value & 0xFFFF);
        U16(value >> 16);
    }
    const std::vector<char> &Data() const { return m_data; }

private:
    std::vector<char> m_data;
};

Bytes IcoFile(const std::vector<int> &pixels) {
    constexpr std::uint32_t kHeader = 40, kColours = 16 * 4;
    constexpr std::uint32_t kXorRow = kSize / 2, kAndRow = kSize / 8; // both 4-byte aligned
    constexpr std::uint32_t kImage = kHeader + kColours + (kXorRow + kAndRow) * kSize;

    Bytes out;
    out.U16(0); // icon directory
    out.U16(1);
    out.U16(1);
    out.U8(kSize); // its one entry
    out.U8(kSize);
    out.U8(16);
    out.U8(0);
    out.U16(1);
    out.U16(4);
    out.U32(kImage);
    out.U32(6 + 16);

    out.U32(kHeader); // BITMAPINFOHEADER; the height counts the mask too
    out.U32(kSize);
    out.U32(2 * kSize);
    out.U16(1);
    out.U16(4);
    out.U32(0);
    out.U32((kXorRow + kAndRow) * kSize);
    out.U32(0);
    out.U32(0);
    out.U32(16);
    out.U32(0);
    for (const std::uint32_t rgb : kPalette) { // blue, green, red, 0
        out.U8(rgb);
        out.U8(rgb >> 8);
        out.U8(rgb >> 16);
        out.U8(0);
    }
    // Bitmaps run from the bottom row up.
    for (int y = kSize - 1; y >= 0; --y) {
        for (int x = 0; x < kSize; x += 2) {
            const auto at = [&](int dx) {
                const int index = pixels[static_cast<std::size_t>(y * kSize + x + dx)];
                return static_cast<unsigned>(index == kTransparent ? 0 : index);
            };
            out.U8(at(0) << 4 | at(1));
        }
    }
    for (int y = kSize - 1; y >= 0; --y) {
        for (int x = 0; x < kSize; x += 8) {
            unsigned mask = 0;
            for (int bit = 0; bit < 8; ++bit) {
                if (pixels[static_cast<std::size_t>(y * kSize + x + bit)] == kTransparent)
                    mask |= 0x80u >> bit;
            }
            out.U8(mask);
        }
    }
    return out;
}

} // namespace

int main(int argc, char *argv[]) {
    if (argc != 2) {
        std::fputs("usage: make_ico <output.ico>\n", stderr);
        return 2;
    }
    try {
        const Bytes ico = IcoFile(icon::ReadPixels());
        std::ofstream file(argv[1], std::ios::binary);
        file.write(ico.Data().data(), static_cast<std::streamsize>(ico.Data().size()));
        if (!file)
            throw std::runtime_error(std::string("cannot write ") + argv[1]);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "make_ico: %s\n", error.what());
        return 1;
    }
    return 0;
}
