// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace window {

class frmTolvarine;

// The window's results as a plain-text table for the clipboard: one line per
// row, cells separated by tabs, every number in the locale's format (an
// input as the value read: "1.5" typed in Romanian is copied as "1,5"), so
// that each column pastes into a spreadsheet as numbers and into a note as
// text. Each capacitor's value and voltage with their units, the
// applied voltage and the equivalent capacitance; while the rating check's
// panel is open, its inputs and results after them.
std::string ResultsTable(const frmTolvarine &form);

} // namespace window
