// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calculation_error.h"
#include "control_id.h"

#include <string>
#include <vector>

namespace window {

// Why a computation failed, told the user in Romanian: which inputs, and
// whether to raise or lower them; `fields` are the inputs to mark. A failure
// of the rating check leaves the window's own results standing.
struct ErrorCause {
    std::string message;
    std::vector<ControlId> fields;
    bool seriesStands = false;

    bool operator==(const ErrorCause &) const = default;
};

// The field that holds an input of the calculations.
ControlId FieldOf(calc::InputRef input);

// The input of the calculations that a field holds; the inverse of FieldOf.
calc::InputRef InputOf(ControlId field);

// The cause that a step of the calculations reported, in the window's words.
ErrorCause CauseOf(const calc::CalculationError &error);

} // namespace window
