// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calculation_error.h"
#include "conversions.h"
#include "number_format.h"

namespace calc {

// A value written with a unit letter that the field's own unit does not hold
// ("10k" in a frequency field in Hz, "47F" in a capacitance field in uF), in
// the field's unit: value x factor, written. Names `input`, too large, when
// the product leaves the range of numbers or cannot be written.
runtime::WrittenNumber ScaledByLetter(InputRef input, double value, double factor,
                                      const runtime::NumberFormat &format);

} // namespace calc
