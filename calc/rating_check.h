// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>

namespace calc {

// A capacitor of the chain for the rating check: its capacitance in pF, the
// window's working unit (0: no capacitor in this place), and its rated
// voltage, a peak value in volts (0: not given).
struct RatedCapacitor {
    double picofarads = 0;
    double ratedVolts = 0;
};

struct RatingInput {
    std::array<RatedCapacitor, 4> capacitors{};
    double volts = 0;     // the applied voltage, RMS
    double tolerance = 0; // of every capacitance, as a fraction: 0.1 for +-10 %
    double hertz = 0;
};

enum class Margin { NotGiven, Within, Exceeds };

struct CapacitorRating {
    bool present = false;
    double nominalVolts = 0; // RMS, every capacitance at its nominal value
    double worstVolts = 0;   // RMS, the highest within the tolerance
    double worstPeak = 0;    // worstVolts x sqrt(2)
    Margin margin = Margin::NotGiven;
    double headroom = 0; // rating - worstPeak, in volts; below 0 when it exceeds
    double joules = 0;   // 1/2 C U^2 at the nominal voltage
};

struct ChainRating {
    double picofarads = 0; // the equivalent capacitance
    double coulombs = 0;   // the charge, the same on every capacitor
    double joules = 0;     // the energy of all capacitors
    // At 0 Hz there is no reactance and no alternating current.
    std::optional<double> ohms;
    std::optional<double> amperes; // RMS
};

struct RatingResult {
    std::array<CapacitorRating, 4> capacitors{};
    ChainRating chain;
};

// The rating check of the chain, or nothing when no capacitor is present.
// The worst case of capacitor i is U / (1 + Ci(1-t) x sum over j != i of
// 1 / (Cj(1+t))): the voltage across Ci falls as Ci grows and rises as any
// other Cj grows, so the extremes of the tolerance give it exactly. Every step
// is checked arithmetic: an overflow raises runtime::RuntimeError, and so
// does a tolerance above 100 % (ErrorKind::InvalidOperation).
std::optional<RatingResult> CheckRatings(const RatingInput &input);

} // namespace calc
