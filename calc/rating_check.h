// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "series.h"

#include <array>
#include <optional>

namespace calc {

// What the printed ratings are: a DC rating (a film or ceramic part) holds
// against the peak of the applied voltage, an AC one (an X2 part, "275 V~")
// against its RMS value.
enum class RatingKind { DirectPeak, AlternatingRms };

// A capacitor of the chain for the rating check: its capacitance in pF, the
// window's working unit (0: no capacitor in this place), its rated voltage in
// volts (0: not given) and what that rating is. A chain may mix kinds: an X2
// part rated 275 V~ in series with a film part rated 630 V DC.
struct RatedCapacitor {
    double picofarads = 0;
    double ratedVolts = 0;
    RatingKind kind = RatingKind::DirectPeak;
};

struct RatingInput {
    std::array<RatedCapacitor, 4> capacitors{};
    double equivalent = 0;       // pF, as the series calculation found it
    double volts = 0;            // the applied voltage, RMS
    double tolerancePercent = 0; // of every capacitance, +-%: 10 for +-10 %
    double hertz = 0;
};

enum class Margin { NotGiven, Within, Exceeds };

struct CapacitorRating {
    bool present = false;
    double nominalVolts = 0; // RMS, every capacitance at its nominal value
    double worstVolts = 0;   // RMS, the highest within the tolerance
    double worstPeak = 0;    // worstVolts x sqrt(2)
    Margin margin = Margin::NotGiven;
    // The rating less the worst peak (DC) or the worst RMS (AC), in volts;
    // below 0 when that exceeds the rating; and its size, the reserve or the
    // excess.
    double headroom = 0;
    double marginVolts = 0;
    // 1/2 C U^2 at the worst peak: the most the capacitor can hold, which
    // discharge and safety work need.
    double peakJoules = 0;
};

struct ChainRating {
    double coulombs = 0; // the charge, the same on every capacitor, nominal RMS
    // The energy of all capacitors at the peak of the applied voltage,
    // nominal: twice the energy of its RMS value.
    double peakJoules = 0;
    // The reactance, none at 0 Hz where it is infinite, and the RMS current,
    // 0 at 0 Hz.
    std::optional<double> ohms;
    double amperes = 0;
};

struct RatingResult {
    std::array<CapacitorRating, 4> capacitors{};
    ChainRating chain;
};

// The rating check of a chain that the series calculation has computed, or
// nothing when no capacitor is present.
// The worst case of capacitor i is U / (1 + Ci(1-t) x sum over j != i of
// 1 / (Cj(1+t))): the voltage across Ci falls as Ci grows and rises as any
// other Cj grows, so the extremes of the tolerance give it exactly. It is
// computed from the reciprocals, which the series calculation has found in
// range, and the products of the chain's values with their exponents apart:
// a value is out of range only where it truly is, and then the
// CalculationError names the inputs to change. A tolerance of 100 % or more
// raises Step::Tolerance. Each margin compares the worst case with the
// capacitor's own rating kind.
std::optional<RatingResult> CheckRatings(const RatingInput &input);

} // namespace calc
