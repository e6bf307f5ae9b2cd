#pragma once

#include <string>
#include <string_view>

namespace calc {

// A value in a readable unit: a number and the unit text that goes with it,
// such as 63.662 and "kΩ". The micro prefix is the Latin letter u.
struct Ranged {
    double value = 0;
    std::string unit;

    bool operator==(const Ranged &) const = default;
};

// `value`, given in the base unit `baseUnit` ("V", "C", "J", "Ω", "A", "F"),
// rewritten with the SI prefix from p to G that brings it to at least 1 and
// below 1000, rounded to three decimals of that unit; a value that rounds to
// 1000 moves on to the next prefix. 0 keeps the base unit. Each step is a
// checked multiplication or division by 1000.
Ranged RangeSi(double value, std::string_view baseUnit);

// `value` given in `unit`, a prefix from the same table followed by a base
// unit ("nF", "kV", "V"), in the base unit. A unit text with no known prefix
// counts as the base unit itself.
double ToBaseUnit(double value, std::string_view unit);

} // namespace calc
