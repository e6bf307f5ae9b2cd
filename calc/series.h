// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calculation_error.h"
#include "conversions.h"
#include "number_format.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// Capacitors in series: Ceq = 1 / (1/C1 + 1/C2 + ...), and the voltage across
// capacitor i is U x Ceq / Ci. Every step is checked arithmetic: a result out
// of the range of a double raises runtime::RuntimeError; the steps of a whole
// chain raise CalculationError, naming the inputs that they combined.
namespace calc {

// Values by capacitor, C1 to C4; a capacitance of 0 is no capacitor.
using PerCapacitor = std::array<double, 4>;

// A capacitance in pF: nF and uF are scaled, any other unit counts as pF.
double ToPicofarads(double value, std::string_view unit);

// A voltage in V: uV, mV and V are scaled, any other unit counts as kV.
double ToVolts(double value, std::string_view unit);

double Reciprocal(double value);

// The partial sum of reciprocals, kept as text: `sum` (the value of the
// previous text) plus 1 / `picofarads`, written with at most 15 significant
// digits, with the value that text reads.
runtime::WrittenNumber AddReciprocal(double sum, double picofarads,
                                     const runtime::NumberFormat &format);

// The voltage across one capacitor of the series.
double VoltageAcross(double volts, double equivalentPf, double picofarads);

// The steps of the chain, in the order that the window takes them.

// Every capacitance in pF; names every one that is too large in pF.
PerCapacitor InPicofarads(const PerCapacitor &values, const std::array<std::string_view, 4> &units);

// The partial sums of the reciprocals of the present capacitances, each cut
// to 15 significant digits: the last is the whole sum. Names every
// capacitance whose reciprocal is too large, or those that make the sum so.
std::vector<runtime::WrittenNumber> PartialSums(const PerCapacitor &picofarads,
                                                const runtime::NumberFormat &format);

// The equivalent capacitance in pF, the reciprocal of `sum`, and as shown:
// rounded to three decimals and written. Names every present capacitance when
// it is too large.
struct Equivalent {
    double picofarads = 0;
    runtime::WrittenNumber shown;
};
Equivalent EquivalentOf(double sum, const PerCapacitor &picofarads,
                        const runtime::NumberFormat &format);

// A voltage in volts (ToVolts); names `input` when it is too large there.
double VoltsOf(InputRef input, double value, std::string_view unit);

// The voltage across each capacitor in volts, written; "0" where there is no
// capacitor. Names the applied voltage when one is too large.
std::array<runtime::WrittenNumber, 4> VoltagesAcross(double volts, double equivalentPf,
                                                     const PerCapacitor &picofarads,
                                                     const runtime::NumberFormat &format);

} // namespace calc
