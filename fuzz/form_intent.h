// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The oracle of intent: a value with a known meaning (a number and a unit),
// written in one of the ways users write values, entered typed key by key or
// pasted; afterwards the field must mean exactly that value and unit.

#include "control_id.h"
#include "frm_tolvarine.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace fuzz {

struct Intent {
    window::ControlId field{window::Control::txtCs, 0};
    std::string written; // what the user types or pastes
    bool pasted = false;
    std::string meant; // the number meant, "." as its decimal mark
    double factor = 1; // what brings it to the field's unit (a frequency in kHz)
    std::string unit;  // the unit meant in the field's list; empty: as it was
};

// Eight bytes choose the field, the value, its unit and how it is written,
// in the locale's format.
Intent DecodeIntent(const std::array<std::uint8_t, 8> &bytes, const runtime::NumberFormat &format);

// Enters the value as the user would: select-all and key by key, or a paste
// over the whole field. `afterEach` runs after each key or the paste.
void EnterIntent(window::frmTolvarine &form, const Intent &intent,
                 const std::function<void()> &afterEach);

// Empty when the field means the value and unit meant; `unitBefore` is its
// unit's text before the value was entered.
std::string CheckIntent(const window::frmTolvarine &form, const Intent &intent,
                        const std::string &unitBefore);

// The unit list beside a value field, if it has one.
std::string UnitText(const window::frmTolvarine &form, window::ControlId field);

} // namespace fuzz
