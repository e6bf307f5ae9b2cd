// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculation_error.h"

namespace calc {

Direction DirectionOf(Step step) {
    switch (step) {
    case Step::Reciprocal:
    case Step::SumOfReciprocals:
    case Step::Reactance:
        return Direction::TooSmall;
    default:
        return Direction::TooLarge;
    }
}

bool OfRatingCheck(Step step) {
    return step >= Step::RatingInVolts;
}

CalculationError::CalculationError(runtime::ErrorKind kind, Step step, std::vector<InputRef> inputs)
    : runtime::RuntimeError(kind)
    , m_step(step)
    , m_inputs(std::move(inputs)) {}

} // namespace calc
