// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculation_error.h"

namespace calc {

bool OfRatingCheck(Step step) {
    switch (step) {
    case Step::RatingInVolts:
    case Step::Tolerance:
    case Step::Peak:
    case Step::Charge:
    case Step::Energy:
    case Step::Reactance:
    case Step::Current:
        return true;
    case Step::CapacitanceInPicofarads:
    case Step::Reciprocal:
    case Step::SumOfReciprocals:
    case Step::Equivalent:
    case Step::AppliedVoltageInVolts:
    case Step::VoltageAcross:
    case Step::ScaledByLetter:
        break;
    }
    return false;
}

CalculationError::CalculationError(runtime::ErrorKind kind, Step step, Direction direction,
                                   std::vector<InputRef> inputs)
    : runtime::RuntimeError(kind)
    , m_step(step)
    , m_direction(direction)
    , m_inputs(std::move(inputs)) {}

} // namespace calc
