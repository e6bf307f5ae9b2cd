// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "number_format.h"
#include "user_edit.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace window {

// What a value field holds, and so which unit letters it takes: capacitance
// and voltage fields have a unit list; the frequency (in Hz) and the
// tolerance (in %) have none.
enum class UnitKind { Capacitance, Voltage, Frequency, Tolerance };

// What the keys typed so far into one field leave for the next key.
struct NotationState {
    // A unit letter followed the last digit: a digit typed at the end goes
    // on as the decimals ("4", "n", "7" gives "4.7").
    bool decimalsFollow = false;
    // A prefix letter was typed: the base unit's letter after it ("F", "V",
    // "Hz"), also after digits and a blank, is swallowed.
    bool prefixTyped = false;
    bool hertzStarted = false; // the "H" of "Hz" was swallowed
    // A frequency scaled by its letter: the number as typed, in kHz or MHz,
    // and the factor that brings it to Hz.
    std::string mantissa;
    double factor = 1;
};

// An edit with its unit letters read.
struct NotationEdit {
    // The field's new text, the unit taken out, as the user wrote it: a
    // frequency typed in kHz is still in kHz here.
    std::string text;
    std::size_t caret = 0; // in characters
    std::string unit;      // the unit the letters name ("nF", "kV"); empty: none
    // What brings the text to the field's own unit (1e3 for kHz to Hz); the
    // form scales it (calc::ScaledByLetter), the caret then at its end.
    double factor = 1;
    NotationState state;    // for the next key typed into the same field
    bool swallowed = false; // a key that changes nothing
};

// Unit letters, the way engineers write values: 4n7, 100n, 2u2, 1k5, 230V,
// 500mV, n47, 10 kHz, 5%. A prefix letter chooses its unit; between digits,
// or before them, it also stands for the decimal separator (the RKM code:
// "4n7" is 4.7 nF, "n47" 0.47 nF). The base unit after a prefix is
// swallowed ("1k5V", "1k5 V", "4n7F"), and so are the blanks before a unit.
// In a frequency field k and M scale the value to Hz (see `factor`); in the tolerance
// field a "%" after the number goes. `state` is what the previous key typed
// into the same field left, or none. Nothing when the edit holds no unit
// letter and continues none, or holds other letters besides ("inf"): the
// field's own rules apply to it as it is.
std::optional<NotationEdit> ApplyUnitNotation(UnitKind kind, std::string_view current,
                                              const TextEdit &edit, const NotationState &state,
                                              const runtime::NumberFormat &format);

// A pasted value's one decimal mark, where it is the other mark than the
// locale's and is read as the decimal separator, becomes the locale's:
// "0,001" pasted in English is "0.001". A mark that groups thousands stays,
// and so does a mark pasted into a number (`around`, the rest of the field's
// text, not empty): it is read there as typing it would be.
std::string WithLocaleMark(std::string pasted, std::string_view around,
                           const runtime::NumberFormat &format);

} // namespace window
