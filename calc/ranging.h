// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "conversions.h"
#include "number_format.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

// Writes a result in a readable unit: the one in which it reads from 1 to
// under 1000, three decimals in that unit.
namespace calc {

struct Ranged {
    std::string text;
    std::string_view unit;
};

// An equivalent capacitance, written in pF and already rounded to three
// decimals (its text and the value that reads), in pF, nF or uF. Each step up divides by 1000,
// rounds to three decimals and reads the rounded text again, so 999.9996 nF goes on to 1 uF.
Ranged RangeCapacitance(runtime::WrittenNumber picofarads, const runtime::NumberFormat &format);

// A voltage in V, in uV, mV, V, kV or MV, rounded to three decimals of that
// unit; a value that rounds to 1000 of its unit moves on to the next one. A
// voltage that reads 0 has no unit.
Ranged RangeVoltage(double volts, const runtime::NumberFormat &format);

// A value not below zero given in units[base], in the first unit of `units`
// (1000 apart, smallest first) in which it is under 1000, or the last,
// rounded to three decimals of that unit; a value that rounds to 1000 moves
// on to the next one.
Ranged RangeIn(double value, std::size_t base, std::span<const std::string_view> units,
               const runtime::NumberFormat &format);

} // namespace calc
