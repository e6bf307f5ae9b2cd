// One table of SI prefixes serves the ranging of results and the reading of
// units. Every step between prefixes is a factor of 1000.
#include "si_units.h"

#include "checked_math.h"
#include "conversions.h"

#include <array>
#include <cmath>
#include <cstddef>

namespace calc {
namespace {

// The prefixes in steps of 1000; kBase is the one of the base unit.
constexpr std::array<std::string_view, 8> kPrefixes = {"p", "n", "u", "m", "", "k", "M", "G"};
constexpr std::size_t kBase = 4;

// Steps of 1000 from the base unit to the prefix of `unit`: negative for p to m.
int StepsOf(std::string_view unit, std::string_view baseUnit) {
    if (unit.size() <= baseUnit.size() || !unit.ends_with(baseUnit))
        return 0;
    const std::string_view prefix = unit.substr(0, unit.size() - baseUnit.size());
    for (std::size_t k = 0; k < kPrefixes.size(); ++k) {
        if (kPrefixes[k] == prefix)
            return static_cast<int>(k) - static_cast<int>(kBase);
    }
    return 0;
}

// The base unit of a unit text: what follows its one-letter prefix, if any.
std::string_view BaseOf(std::string_view unit) {
    for (const std::string_view prefix : kPrefixes) {
        if (!prefix.empty() && unit.size() > prefix.size() && unit.starts_with(prefix))
            return unit.substr(prefix.size());
    }
    return unit;
}

} // namespace

Ranged RangeSi(double value, std::string_view baseUnit) {
    std::size_t k = kBase;
    double shown = runtime::CheckFinite(value);
    while (std::fabs(shown) >= 1000 && k + 1 < kPrefixes.size()) {
        shown = runtime::Div(shown, 1000);
        ++k;
    }
    while (shown != 0 && std::fabs(shown) < 1 && k > 0) {
        shown = runtime::Mul(shown, 1000);
        --k;
    }
    shown = runtime::RoundDecimals(shown, 3);
    if (std::fabs(shown) >= 1000 && k + 1 < kPrefixes.size()) {
        shown = runtime::RoundDecimals(runtime::Div(shown, 1000), 3);
        ++k;
    }
    return {shown, std::string(kPrefixes[k]).append(baseUnit)};
}

double ToBaseUnit(double value, std::string_view unit) {
    int steps = StepsOf(unit, BaseOf(unit));
    double base = runtime::CheckFinite(value);
    for (; steps > 0; --steps)
        base = runtime::Mul(base, 1000);
    for (; steps < 0; ++steps)
        base = runtime::Div(base, 1000);
    return base;
}

} // namespace calc
