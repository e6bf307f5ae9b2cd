// SPDX-License-Identifier: GPL-3.0-or-later
#include "series.h"

#include "checked_math.h"
#include "conversions.h"
#include "units.h"

#include <cmath>
#include <limits>

namespace calc {

using runtime::Div;
using runtime::Mul;
using runtime::TextEquals;

namespace {

// A reciprocal above this takes a noticeable share of the range of numbers:
// its capacitance is one of those that are together too small.
constexpr double kNoticeableReciprocal = std::numeric_limits<double>::max() / 1000;

InputRef CapacitanceOf(std::size_t k) {
    return {Input::Capacitance, static_cast<int>(k)};
}

std::vector<InputRef> Present(const PerCapacitor &picofarads) {
    std::vector<InputRef> present;
    for (std::size_t k = 0; k < picofarads.size(); ++k) {
        if (picofarads[k] != 0)
            present.push_back(CapacitanceOf(k));
    }
    return present;
}

// A value near the largest double whose 15 digits round beyond it cannot be
// written as text to be read again.
void CheckWritable(double value, const runtime::NumberFormat &format) {
    if (std::fabs(value) > kNoticeableReciprocal)
        runtime::WriteDouble(value, format);
}

} // namespace

double ToPicofarads(double value, std::string_view unit) {
    if (TextEquals(unit, kNanofarad))
        return Mul(value, 1000);
    if (TextEquals(unit, kMicrofarad))
        return Mul(Mul(value, 1000), 1000);
    return value;
}

double ToVolts(double value, std::string_view unit) {
    if (TextEquals(unit, kMicrovolt))
        return Div(Div(value, 1000), 1000);
    if (TextEquals(unit, kMillivolt))
        return Div(value, 1000);
    if (TextEquals(unit, kVolt))
        return value;
    return Mul(value, 1000);
}

double Reciprocal(double value) {
    return Div(1, value);
}

runtime::WrittenNumber AddReciprocal(double sum, double picofarads,
                                     const runtime::NumberFormat &format) {
    return runtime::WriteDouble(runtime::Add(sum, Reciprocal(picofarads)), format);
}

double VoltageAcross(double volts, double equivalentPf, double picofarads) {
    return Div(Mul(volts, equivalentPf), picofarads);
}

PerCapacitor InPicofarads(const PerCapacitor &values,
                          const std::array<std::string_view, 4> &units) {
    PerCapacitor picofarads{};
    std::vector<InputRef> tooLarge;
    runtime::ErrorKind kind = runtime::ErrorKind::Overflow;
    for (std::size_t k = 0; k < values.size(); ++k) {
        try {
            picofarads[k] = ToPicofarads(values[k], units[k]);
        } catch (const runtime::RuntimeError &error) {
            kind = error.kind();
            tooLarge.push_back(CapacitanceOf(k));
        }
    }
    if (!tooLarge.empty())
        throw CalculationError(kind, Step::CapacitanceInPicofarads, Direction::TooLarge,
                               std::move(tooLarge));
    return picofarads;
}

std::vector<runtime::WrittenNumber> PartialSums(const PerCapacitor &picofarads,
                                                const runtime::NumberFormat &format) {
    std::vector<InputRef> tooSmall;
    std::vector<InputRef> noticeable;
    runtime::ErrorKind kind = runtime::ErrorKind::Overflow;
    for (const InputRef c : Present(picofarads)) {
        try {
            const double reciprocal = Reciprocal(picofarads[static_cast<std::size_t>(c.index)]);
            CheckWritable(reciprocal, format);
            if (reciprocal > kNoticeableReciprocal)
                noticeable.push_back(c);
        } catch (const runtime::RuntimeError &error) {
            kind = error.kind();
            tooSmall.push_back(c);
        }
    }
    if (!tooSmall.empty())
        throw CalculationError(kind, Step::Reciprocal, Direction::TooSmall, std::move(tooSmall));

    std::vector<runtime::WrittenNumber> sums;
    try {
        double sum = 0;
        for (const double c : picofarads) {
            if (c != 0) {
                sums.push_back(AddReciprocal(sum, c, format));
                sum = sums.back().value;
            }
        }
    } catch (const runtime::RuntimeError &error) {
        if (noticeable.empty())
            throw;
        throw CalculationError(error.kind(), Step::SumOfReciprocals, Direction::TooSmall,
                               std::move(noticeable));
    }
    return sums;
}

Equivalent EquivalentOf(double sum, const PerCapacitor &picofarads,
                        const runtime::NumberFormat &format) {
    try {
        const double equivalent = Reciprocal(sum);
        CheckWritable(equivalent, format);
        return {equivalent, runtime::WriteDouble(runtime::RoundDecimals(equivalent, 3), format)};
    } catch (const runtime::RuntimeError &error) {
        throw CalculationError(error.kind(), Step::Equivalent, Direction::TooLarge,
                               Present(picofarads));
    }
}

double VoltsOf(InputRef input, double value, std::string_view unit) {
    try {
        return ToVolts(value, unit);
    } catch (const runtime::RuntimeError &error) {
        const Step step =
            input.input == Input::Rating ? Step::RatingInVolts : Step::AppliedVoltageInVolts;
        throw CalculationError(error.kind(), step, Direction::TooLarge, {input});
    }
}

std::array<runtime::WrittenNumber, 4> VoltagesAcross(double volts, double equivalentPf,
                                                     const PerCapacitor &picofarads,
                                                     const runtime::NumberFormat &format) {
    std::array<runtime::WrittenNumber, 4> across;
    try {
        for (std::size_t k = 0; k < picofarads.size(); ++k) {
            across[k] = picofarads[k] == 0
                            ? runtime::WrittenNumber{runtime::IntToText(0), 0}
                            : runtime::WriteDouble(
                                  VoltageAcross(volts, equivalentPf, picofarads[k]), format);
        }
    } catch (const runtime::RuntimeError &error) {
        throw CalculationError(error.kind(), Step::VoltageAcross, Direction::TooLarge,
                               {{Input::AppliedVoltage}});
    }
    return across;
}

} // namespace calc
