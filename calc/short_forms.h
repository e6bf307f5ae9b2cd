// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "number_format.h"

#include <string>
#include <string_view>
#include <vector>

namespace calc {

// Shorter forms of a result that the program wrote (`text`, in `format`),
// longest first, as a spreadsheet shows a number in a narrow cell: fewer
// decimals, rounded ("123,46" for "123,456"; never down to 0 for a value
// that is not 0), then scientific notation with
// fewer and fewer digits ("7,5E+11" for "750000000000"). None for a text that
// is no number, such as a unit.
std::vector<std::string> ShorterForms(std::string_view text, const runtime::NumberFormat &format);

} // namespace calc
