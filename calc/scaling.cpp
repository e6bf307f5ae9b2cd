// SPDX-License-Identifier: GPL-3.0-or-later
#include "scaling.h"

#include "checked_math.h"

namespace calc {

runtime::WrittenNumber ScaledByLetter(InputRef input, double value, double factor,
                                      const runtime::NumberFormat &format) {
    try {
        return runtime::WriteDouble(runtime::Mul(value, factor), format);
    } catch (const runtime::RuntimeError &error) {
        throw CalculationError(error.kind(), Step::ScaledByLetter, Direction::TooLarge, {input});
    }
}

} // namespace calc
