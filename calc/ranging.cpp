// SPDX-License-Identifier: GPL-3.0-or-later
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

// A value in units[unit], as text and as the value that text reads, moved
// up the table while it is 1000 or more and a larger unit is left.
struct Step {
    double value = 0;
    std::string text;
    std::size_t unit = 0;
};

Step StepUp(Step step, std::span<const std::string_view> units,
            const runtime::NumberFormat &format) {
    while (step.value >= kStep && step.unit + 1 < units.size()) {
        runtime::WrittenNumber written =
            runtime::WriteDouble(runtime::RoundDecimals(Div(step.value, kStep), kDecimals), format);
        step.text = std::move(written.text);
        step.value = written.value;
        ++step.unit;
    }
    return step;
}

// A value given in units[base], in the smallest unit of the table in which it
// is under 1000 (the largest unit for a value beyond them all), rounded, then
// stepped up where the rounding reached 1000. Below the largest unit the
// rounded value has at most three decimals and reads back from its text
// exactly.
Step RangeFrom(double value, std::size_t base, std::span<const std::string_view> units,
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
    // The written value moved to that unit in decimal, then rounded: a value
    // that ends in an exact half of the last decimal shown stays a half there,
    // where a binary product such as 1.0005E-06 * 1E6 would not.
    const int powerOfTen = 3 * (static_cast<int>(base) - static_cast<int>(unit));
    const double shown = runtime::RoundScaledDecimals(value, powerOfTen, kDecimals);
    return StepUp({shown, runtime::DoubleToText(shown, format), unit}, units, format);
}

} // namespace

Ranged RangeCapacitance(runtime::WrittenNumber picofarads, const runtime::NumberFormat &format) {
    Step step =
        StepUp({picofarads.value, std::move(picofarads.text), 0}, kCapacitanceUnits, format);
    return {std::move(step.text), kCapacitanceUnits[step.unit]};
}

Ranged RangeIn(double value, std::size_t base, std::span<const std::string_view> units,
               const runtime::NumberFormat &format) {
    Step step = RangeFrom(value, base, units, format);
    return {std::move(step.text), units[step.unit]};
}

Ranged RangeVoltage(double volts, const runtime::NumberFormat &format) {
    Step step = RangeFrom(volts, kVoltIndex, kVoltageUnits, format);
    const std::string_view unit = step.value == 0 ? std::string_view() : kVoltageUnits[step.unit];
    return {std::move(step.text), unit};
}

} // namespace calc
