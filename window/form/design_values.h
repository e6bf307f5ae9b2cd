// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "control_id.h"
#include "units.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

// Design values that the window's inputs and the rating check's share.
namespace window {

// The most characters that the user may put into an input field.
inline constexpr std::size_t kInputLimit = 6;

// The entries of a capacitance's unit list: pF to uF.
inline std::vector<std::string> CapacitanceUnitEntries() {
    return {calc::kCapacitanceUnits.begin(), calc::kCapacitanceUnits.end()};
}

// The entries of a voltage's unit list: an applied voltage or a rating is
// entered in uV to kV.
inline std::vector<std::string> VoltageUnitEntries() {
    return {calc::kVoltageUnits.begin(),
            calc::kVoltageUnits.begin() + calc::kAppliedVoltageUnitCount};
}

// The value fields: the inputs whose text and unit the user edits, each with
// a history of its own.
inline constexpr std::array<ControlId, 14> kValueFields = {{
    {Control::txtCs, 0},
    {Control::txtCs, 1},
    {Control::txtCs, 2},
    {Control::txtCs, 3},
    {Control::txtUst, 0},
    {Control::txtUn, 0},
    {Control::txtUn, 1},
    {Control::txtUn, 2},
    {Control::txtUn, 3},
    {Control::txtTol, 0},
    {Control::txtFrec, 0},
    {Control::txtCd, 0},
    {Control::txtCmin, 0},
    {Control::txtCmax, 0},
}};

inline constexpr bool IsValueField(ControlId id) {
    for (const ControlId field : kValueFields) {
        if (field == id)
            return true;
    }
    return false;
}

// The entry of volts in a voltage's unit list.
inline constexpr int kVoltEntry = static_cast<int>(calc::kVoltIndex);

} // namespace window
