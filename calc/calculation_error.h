// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime_error.h"

#include <vector>

namespace calc {

// The inputs that the calculations read, as they number them: a capacitance
// and a rating by capacitor, 0 to 3; the others have index 0.
enum class Input { Capacitance, AppliedVoltage, Rating, Tolerance, Frequency };

struct InputRef {
    Input input;
    int index = 0;

    bool operator==(const InputRef &) const = default;
};

// The checked step that left the range of numbers. Each names what went
// wrong, and so which way its inputs must go.
enum class Step {
    // The series calculation.
    CapacitanceInPicofarads, // too large in pF
    Reciprocal,              // a capacitance so small that its reciprocal is too large
    SumOfReciprocals,        // capacitances together too small
    Equivalent,              // the equivalent capacitance too large
    AppliedVoltageInVolts,   // too large in volts
    VoltageAcross,           // the applied voltage too large for these capacitances
    // The rating check.
    RatingInVolts, // too large in volts
    Tolerance,     // 100 % or more: a capacitance at its lowest would be none
    Peak,          // the applied voltage's peak too large
    Charge,
    Energy,
    Reactance, // the frequency and the capacitances too small
    Current,
    // An input scaled by its unit letter: too large in the unit its field
    // holds (a frequency in Hz, a capacitance in uF).
    ScaledByLetter,
};

// Which way the inputs must go.
enum class Direction { TooLarge, TooSmall };

// A failure of the rating check leaves the series calculation's results standing.
bool OfRatingCheck(Step step);

// A runtime error raised by a checked step, with the inputs that the step
// combined: those to change, in the direction of the step.
class CalculationError : public runtime::RuntimeError {
public:
    CalculationError(runtime::ErrorKind kind, Step step, Direction direction,
                     std::vector<InputRef> inputs);

    Step step() const noexcept { return m_step; }
    Direction direction() const noexcept { return m_direction; }
    const std::vector<InputRef> &inputs() const noexcept { return m_inputs; }

private:
    Step m_step;
    Direction m_direction;
    std::vector<InputRef> m_inputs;
};

} // namespace calc
