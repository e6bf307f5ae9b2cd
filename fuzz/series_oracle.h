// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// An independent computation of the series formulas in long double, from the
// texts of the input fields, and the comparison of a shown value and unit
// with it within the display rounding.

#include "number_format.h"

#include <array>
#include <string>

namespace fuzz {

struct SeriesExpectation {
    int capacitors = 0;                 // non-zero capacitances
    std::array<bool, 4> present{};      // capacitance i is non-zero
    long double equivalentPf = 0;       // 1 / sum of 1/Ci
    std::array<long double, 4> volts{}; // U x Ceq / Ci; 0 for an absent capacitor
    // Some step leaves the range of a double: the window must show its error.
    bool mustOverflow = false;
    // Some step comes close enough to the edge of the range that the 15-digit
    // cuts of the text arithmetic may or may not take it over.
    bool nearEdge = false;
};

// Reads the inputs (txtCs(0..3), txtUst) with their units (cboCs(0..3),
// cboUst) in the window's locale; they must be numbers.
SeriesExpectation ExpectSeries(const std::array<std::string, 5> &inputs,
                               const std::array<std::string, 5> &units,
                               const runtime::NumberFormat &format);

// Whether `text` with `unit` shows `expected` (pF or V), rounded to three
// decimals in a unit the ranging may have chosen, with no more than three
// decimals written. Empty when it does.
std::string CheckShownCapacitance(const std::string &text, const std::string &unit,
                                  long double expectedPf, const runtime::NumberFormat &format);
std::string CheckShownVoltage(const std::string &text, const std::string &unit,
                              long double expectedVolts, const runtime::NumberFormat &format);

} // namespace fuzz
