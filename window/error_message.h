#pragma once

#include "runtime_error.h"

#include <string>

namespace window {

// What the window tells the user when a computation fails: what went wrong
// and what to do, in Romanian.
std::string ErrorMessage(runtime::ErrorKind kind);

} // namespace window
