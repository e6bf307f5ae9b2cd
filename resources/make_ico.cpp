// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the program's icon as a Windows .ico from its XPM source, in the
// sizes Windows asks for: 16, 24, 32, 48 and 256 pixels. Like the desktop
// icons, whole multiples of the 32-pixel drawing repeat each pixel (32 and
// 256, kept in the 16 standard colours with a transparency mask); the other
// sizes are smoothed down from the next whole multiple, with an alpha channel.
// Usage: make_ico <output.ico>
#include "icon_pixels.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using icon::kPalette;
using icon::kSize;
using icon::kTransparent;

constexpr std::array kSizes = {16, 24, 32, 48, 256};

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
    void Append(const Bytes &other) {
        m_data.insert(m_data.end(), other.m_data.begin(), other.m_data.end());
    }
    std::uint32_t Size() const { return static_cast<std::uint32_t>(m_data.size()); }
    const std::vector<char> &Data() const { return m_data; }

private:
    std::vector<char> m_data;
};

// Bitmap rows are padded to whole 32-bit words.
std::uint32_t RowBytes(int bits) {
    return static_cast<std::uint32_t>((bits + 31) / 32 * 4);
}

// One image: a BITMAPINFOHEADER (its height counts the mask too), the colour
// rows, then the transparency mask; both run from the bottom row up.
struct Image {
    int size = 0;
    int bitsPerPixel = 0;
    Bytes bytes;
};

void Header(Bytes &out, int size, int bitsPerPixel, std::uint32_t imageBytes, unsigned colours) {
    out.U32(40);
    out.U32(static_cast<std::uint32_t>(size));
    out.U32(static_cast<std::uint32_t>(2 * size));
    out.U16(1);
    out.U16(static_cast<unsigned>(bitsPerPixel));
    out.U32(0);
    out.U32(imageBytes);
    out.U32(0);
    out.U32(0);
    out.U32(colours);
    out.U32(0);
}

// transparent(x, y) for each pixel of a size x size image.
template<typename Transparent> void Mask(Bytes &out, int size, Transparent transparent) {
    for (int y = size - 1; y >= 0; --y) {
        for (std::uint32_t byte = 0; byte < RowBytes(size); ++byte) {
            unsigned mask = 0;
            for (int bit = 0; bit < 8; ++bit) {
                const int x = static_cast<int>(byte) * 8 + bit;
                if (x < size && transparent(x, y))
                    mask |= 0x80u >> bit;
            }
            out.U8(mask);
        }
    }
}

// A whole multiple of the drawing, in its 16 colours.
Image Paletted(const std::vector<int> &pixels, int size) {
    const int scale = size / kSize;
    const auto at = [&](int x, int y) {
        return pixels[static_cast<std::size_t>(y / scale * kSize + x / scale)];
    };
    Image image{size, 4, {}};
    Bytes &out = image.bytes;
    Header(out, size, 4, (RowBytes(4 * size) + RowBytes(size)) * static_cast<std::uint32_t>(size),
           16);
    for (const std::uint32_t rgb : kPalette) { // blue, green, red, 0
        out.U8(rgb);
        out.U8(rgb >> 8);
        out.U8(rgb >> 16);
        out.U8(0);
    }
    for (int y = size - 1; y >= 0; --y) {
        for (int x = 0; x < size; x += 2) {
            const auto index = [&](int dx) {
                const int value = at(x + dx, y);
                return static_cast<unsigned>(value == kTransparent ? 0 : value);
            };
            out.U8(index(0) << 4 | index(1));
        }
    }
    Mask(out, size, [&](int x, int y) { return at(x, y) == kTransparent; });
    return image;
}

// Another size: each target pixel averages the area it covers of the next
// whole multiple of the drawing, with colours weighted by their opacity.
Image Smoothed(const std::vector<int> &pixels, int size) {
    const int multiple = (size + kSize - 1) / kSize * kSize;
    const int scale = multiple / kSize;
    std::vector<std::array<double, 4>> rgba(static_cast<std::size_t>(size * size));
    const double ratio = static_cast<double>(multiple) / size;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            std::array<double, 4> sum{};
            const double x0 = x * ratio, x1 = x0 + ratio, y0 = y * ratio, y1 = y0 + ratio;
            for (int sy = static_cast<int>(y0); sy < y1; ++sy) {
                const double h = std::min<double>(sy + 1, y1) - std::max<double>(sy, y0);
                for (int sx = static_cast<int>(x0); sx < x1; ++sx) {
                    const double w = std::min<double>(sx + 1, x1) - std::max<double>(sx, x0);
                    const int index =
                        pixels[static_cast<std::size_t>(sy / scale * kSize + sx / scale)];
                    if (index == kTransparent)
                        continue;
                    const std::uint32_t rgb = kPalette[static_cast<std::size_t>(index)];
                    sum[0] += w * h * (rgb & 0xFF);
                    sum[1] += w * h * (rgb >> 8 & 0xFF);
                    sum[2] += w * h * (rgb >> 16 & 0xFF);
                    sum[3] += w * h;
                }
            }
            rgba[static_cast<std::size_t>(y * size + x)] = sum;
        }
    }
    const double area = ratio * ratio;
    const auto alpha = [&](int x, int y) {
        const double coverage = rgba[static_cast<std::size_t>(y * size + x)][3] / area;
        return static_cast<unsigned>(coverage * 255 + 0.5);
    };
    Image image{size, 32, {}};
    Bytes &out = image.bytes;
    Header(out, size, 32, (RowBytes(32 * size) + RowBytes(size)) * static_cast<std::uint32_t>(size),
           0);
    for (int y = size - 1; y >= 0; --y) {
        for (int x = 0; x < size; ++x) {
            const auto &sum = rgba[static_cast<std::size_t>(y * size + x)];
            for (int channel = 0; channel < 3; ++channel) // blue, green, red
                out.U8(sum[3] > 0 ? static_cast<unsigned>(sum[channel] / sum[3] + 0.5) : 0);
            out.U8(alpha(x, y));
        }
    }
    Mask(out, size, [&](int x, int y) { return alpha(x, y) == 0; });
    return image;
}

Bytes IcoFile(const std::vector<int> &pixels) {
    std::vector<Image> images;
    for (const int size : kSizes)
        images.push_back(size % kSize == 0 ? Paletted(pixels, size) : Smoothed(pixels, size));

    Bytes out;
    out.U16(0); // the icon directory
    out.U16(1);
    out.U16(static_cast<unsigned>(images.size()));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
    for (const Image &image : images) {
        out.U8(static_cast<unsigned>(image.size)); // 256 is written as 0
        out.U8(static_cast<unsigned>(image.size));
        out.U8(image.bitsPerPixel == 4 ? 16 : 0);
        out.U8(0);
        out.U16(1);
        out.U16(static_cast<unsigned>(image.bitsPerPixel));
        out.U32(image.bytes.Size());
        out.U32(offset);
        offset += image.bytes.Size();
    }
    for (const Image &image : images)
        out.Append(image.bytes);
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
