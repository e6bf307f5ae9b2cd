// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "control_id.h"
#include "runtime_error.h"

#include <array>
#include <string>
#include <vector>

namespace window {

// The inputs of a recalculation as the fields hold them: each value in the
// unit its list shows.
struct SeriesInputs {
    std::array<double, 4> capacitance{}; // C1 to C4
    std::array<std::string, 4> capacitanceUnit;
    double voltage = 0;
    std::string voltageUnit;
};

// Why a recalculation failed, told the user in Romanian: which input, and
// whether to raise or lower it; `fields` are the inputs to mark.
struct ErrorCause {
    std::string message;
    std::vector<ControlId> fields;

    bool operator==(const ErrorCause &) const = default;
};

// Follows the calculation on the inputs to the first step that leaves the
// range of numbers: a capacitance too large in pF, a capacitance too small
// (its reciprocal, or with others the sum of reciprocals, too large), an
// equivalent capacitance too large, the applied voltage too large in volts or
// across the capacitors (U x Ceq). Where none is found, the message of `kind`
// alone and no field.
ErrorCause TraceError(const SeriesInputs &inputs, runtime::ErrorKind kind);

} // namespace window
