// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "conversions.h"
#include "number_format.h"

#include <string>
#include <string_view>

// Capacitors in series: Ceq = 1 / (1/C1 + 1/C2 + ...), and the voltage across
// capacitor i is U x Ceq / Ci. Every step is checked arithmetic: a result out
// of the range of a double raises runtime::RuntimeError.
namespace calc {

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

} // namespace calc
