// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "number_format.h"

#include <string>
#include <string_view>

namespace window {

// How the window reads its input fields: as numbers of the locale, and, in a
// locale that groups digits with a blank or an apostrophe, also as a whole
// number whose last group is still being typed ("1 0" on the way to
// "1 000" is 10).
bool IsInputNumber(std::string_view text, const runtime::NumberFormat &format);

// The value of a text that IsInputNumber accepts; any other text raises
// RuntimeError(ErrorKind::UnreadableText).
double InputValue(std::string_view text, const runtime::NumberFormat &format);

// The value as the window writes numbers (the locale's decimal separator, no
// grouping); a text that is no number stays as it is, an empty one empty.
std::string WrittenInput(std::string_view text, const runtime::NumberFormat &format);

} // namespace window
