// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "number_format.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace window {

// What a field's unit list holds: capacitance or voltage units.
enum class UnitKind { Capacitance, Voltage };

// A unit letter in a value field, the way engineers write values: 4n7, 100n,
// 2u2, 1k5, 230V, 500m.
struct NotationEdit {
    std::string text;      // the new text, the unit taken out
    std::size_t caret = 0; // in characters
    std::string unit;      // the unit chosen ("nF", "kV", ...); empty: none
    // The unit letter followed the last digit: a digit typed right after it
    // continues as the decimals ("4", "n", "7" gives "4.7").
    bool decimalsFollow = false;
};

// Applies the unit notation to an edit of a field that holds `current`;
// `proposed` is the field's whole new text with the caret after what was
// typed or pasted. Unit letters: p, n, u, µ in either case for capacitance;
// u, U, µ, m (milli), k, K, v and V for voltage (a capital M is not a unit).
// A letter is not inserted: it chooses its unit, an "F" after it (or a "V"
// after a voltage prefix) included. Between digits it also stands for the
// decimal separator, unless the text has one already; a value pasted with a
// unit ("4,7 nF", "1.5 kV") loses the blanks before the unit, and its one
// decimal mark becomes the locale's. `decimalsFollow` is what the previous
// edit of the same field returned. Nothing, when the edit holds no unit, more
// than one, or other letters besides ("inf"), and continues no unit letter:
// the window's own rules apply.
std::optional<NotationEdit> ApplyUnitNotation(UnitKind kind, std::string_view current,
                                              std::string_view proposed, std::size_t caret,
                                              bool decimalsFollow,
                                              const runtime::NumberFormat &format);

} // namespace window
