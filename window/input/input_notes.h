// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "control_id.h"
#include "number_format.h"

#include <string>
#include <string_view>

namespace window {

// A paste refused whole because the field could not read it as a value;
// `pasted` is what was pasted, its blanks around dropped.
std::string PasteNotANumberMessage(ControlId field, std::string_view pasted);

// A paste refused whole because its value is below zero.
std::string PasteNegativeMessage(ControlId field, std::string_view pasted);

// A neutral note for a text whose one "." or "," is read as the group
// separator, where the same mark as the decimal separator would give another
// value: «C1: „4.700” este citit 4700 (punctul desparte miile; pentru
// zecimale scrieți 4,7)». Empty for any other text.
std::string AmbiguityNote(ControlId field, std::string_view text,
                          const runtime::NumberFormat &format);

} // namespace window
