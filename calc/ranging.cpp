#include "ranging.h"

#include "checked_math.h"
#include "conversions.h"
#include "units.h"

#include <cstddef>
#include <span>

namespace calc {
namespace {

using runtime::Div;
using runtime::Mul;

constexpr double kStep = 1000;
constexpr int kDecimals = 3;

// A value as text in units[unit], moved up the table while it reads 1000 or
// more and a larger unit is left.
Ranged StepUp(std::string text, std::size_t unit, std::span<const std::string_view> units,
              const runtime::NumberFormat &format) {
    double value = runtime::TextToDouble(text, format);
    while (value >= kStep && unit + 1 < units.size()) {
        text = runtime::DoubleToText(runtime::RoundDecimals(Div(value, kStep), kDecimals), format);
        value = runtime::TextToDouble(text, format);
        ++unit;
    }
    return {std::move(text), units[unit]};
}

// A value given in units[base], in the smallest unit of the table in which it
// is under 1000 (the largest unit for a value beyond them all), rounded, then
// stepped up where the rounding reached 1000.
Ranged RangeFrom(double value, std::size_t base, std::span<const std::string_view> units,
                 const runtime::NumberFormat &format) {
    std::size_t unit = 0;
    // The bound of the smallest unit, in units[base]: 1000^(1 - base).
    double bound = kStep;
    for (std::size_t k = 0; k < base; ++k)
        bound = Div(bound, kStep);
    while (unit + 1 < units.size() && !(value < bound)) {
        ++unit;
        bound = Mul(bound, kStep);
    }
    double shown = value;
    for (std::size_t k = unit; k < base; ++k)
        shown = Mul(shown, kStep);
    for (std::size_t k = base; k < unit; ++k)
        shown = Div(shown, kStep);
    return StepUp(runtime::DoubleToText(runtime::RoundDecimals(shown, kDecimals), format), unit,
                  units, format);
}

} // namespace

Ranged RangeCapacitance(std::string picofarads, const runtime::NumberFormat &format) {
    return StepUp(std::move(picofarads), 0, kCapacitanceUnits, format);
}

Ranged RangeVoltage(double volts, const runtime::NumberFormat &format) {
    Ranged ranged = RangeFrom(volts, kVoltIndex, kVoltageUnits, format);
    if (runtime::TextToDouble(ranged.text, format) == 0)
        ranged.unit = {};
    return ranged;
}

} // namespace calc
