// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target for the number-text conversions. The whole input is read as a
// text in each locale; every 9 bytes of it are also a double (8 bytes) and a
// number of decimals (1 byte) for writing and rounding, the double's first
// byte also a power of ten for the rounding in another unit.
#include "conversion_properties.h"
#include "fuzz_failure.h"
#include "locale_formats.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::array<runtime::NumberFormat, 4> formats = {
        test_support::EnglishFormat(), test_support::RomanianFormat(), test_support::FrenchFormat(),
        runtime::NumberFormat{",", "\u202F"}};
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    for (const auto &format : formats) {
        fuzz::Require(fuzz::CheckTextReading(text, format));
        fuzz::Require(fuzz::CheckDecimalMarks(text, format));
    }

    constexpr std::size_t kBlock = sizeof(double) + 1;
    for (std::size_t at = 0; at + kBlock <= size; at += kBlock) {
        double x = 0;
        std::memcpy(&x, data + at, sizeof x);
        const int decimals = static_cast<int>(data[at + sizeof x] % 17); // 0 to 16
        for (const auto &format : formats)
            fuzz::Require(fuzz::CheckDoubleWriting(x, format));
        fuzz::Require(fuzz::CheckRounding(x, decimals));
        fuzz::Require(fuzz::CheckRounding(x, 3));
        const int powerOfTen = static_cast<int>(data[at] % 13) - 6; // -6 to 6
        fuzz::Require(fuzz::CheckScaledRounding(x, powerOfTen, 3));
        fuzz::Require(fuzz::CheckScaledRounding(x, powerOfTen, decimals));
    }
    return 0;
}
