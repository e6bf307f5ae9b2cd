// SPDX-License-Identifier: GPL-3.0-or-later
#include "series.h"

#include "checked_math.h"
#include "conversions.h"
#include "units.h"

namespace calc {

using runtime::Div;
using runtime::Mul;
using runtime::TextEquals;

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

} // namespace calc
