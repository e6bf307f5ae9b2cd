// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "control_id.h"
#include "runtime_error.h"

#include <cstddef>
#include <string>

namespace window {

// What the window tells the user when a computation fails: what went wrong
// and what to do, in Romanian.
std::string ErrorMessage(runtime::ErrorKind kind);

// For an error that is not one of the computation's.
std::string UnexpectedErrorMessage();

// An input field as the window labels it: "C1" to "C4", "tensiunea aplicată",
// and those of the rating check.
std::string InputName(ControlId field);

// A paste refused because it does not fit the field.
std::string PasteTooLongMessage(ControlId field, std::size_t limit);
// A typed character refused because the field holds as many as it takes.
std::string TypedTooLongMessage(ControlId field, std::size_t limit);

// ErrorMessage for an error that arose in a field's own handling, naming it.
std::string FieldErrorMessage(runtime::ErrorKind kind, ControlId field);

} // namespace window
