// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calculation_error.h"
#include "control_id.h"

#include <exception>
#include <string>
#include <vector>

namespace window {

// Why a computation failed, told the user in Romanian: which inputs, and
// whether to raise or lower them; `fields` are the inputs to mark. A failure
// of the rating check leaves the window's own results standing, and one of
// the design part leaves those and the rating check's.
struct ErrorCause {
    std::string message;
    std::vector<ControlId> fields;
    bool seriesStands = false;
    bool designOnly = false;

    bool operator==(const ErrorCause &) const = default;
};

// The field that holds an input of the calculations.
ControlId FieldOf(calc::InputRef input);

// The input of the calculations that a field holds; the inverse of FieldOf.
calc::InputRef InputOf(ControlId field);

// The cause that a step of the calculations reported, in the window's words.
ErrorCause CauseOf(const calc::CalculationError &error);

// A failure that the window's own rules find, with its cause told already;
// the form's dispatcher reports it as it reports calc's.
class ReportedFailure : public std::exception {
public:
    explicit ReportedFailure(ErrorCause cause)
        : m_cause(std::move(cause)) {}
    const ErrorCause &Cause() const noexcept { return m_cause; }
    const char *what() const noexcept override { return "reported failure"; }

private:
    ErrorCause m_cause;
};

} // namespace window
