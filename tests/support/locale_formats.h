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

} // namespace test_support
