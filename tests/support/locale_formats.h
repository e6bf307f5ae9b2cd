// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The separators of a few locales, for tests, fuzz targets and benchmarks.
#include "number_format.h"

namespace test_support {

inline runtime::NumberFormat EnglishFormat() {
    return {".", ","};
}
inline runtime::NumberFormat RomanianFormat() {
    return {",", "."};
}
inline runtime::NumberFormat FrenchFormat() {
    return {",", "\u00A0"};
}

// A made-up locale whose separators are both multi-byte: the middle dot U+00B7
// as decimal separator and the narrow no-break space U+202F as group separator.
inline runtime::NumberFormat MiddleDotFormat() {
    return {"\u00B7", "\u202F"};
}

// A locale with no digit grouping at all.
inline runtime::NumberFormat UngroupedFormat() {
    return {".", ""};
}

} // namespace test_support
