// SPDX-License-Identifier: GPL-3.0-or-later
// The rating check: the worst-case voltage across each capacitor of a series
// chain within the capacitances' tolerance against its rating, and the
// chain's charge, energy, reactance and current.
#include "rating_check.h"

#include "checked_math.h"

#include <cmath>
#include <initializer_list>
#include <numbers>

namespace calc {

using runtime::Add;
using runtime::Div;
using runtime::Mul;

namespace {

// From pF to F.
constexpr double kPico = 1e12;

// The product of `factors` divided by the product of `divisors`, the
// mantissas and the exponents taken apart, so that no partial product leaves
// the range of numbers that the result stays in. A result too large raises
// Overflow; one too small becomes 0.
double Ratio(std::initializer_list<double> factors, std::initializer_list<double> divisors) {
    double mantissa = 1;
    int exponent = 0;
    for (const double x : factors) {
        int e = 0;
        mantissa *= std::frexp(x, &e);
        exponent += e;
    }
    for (const double x : divisors) {
        int e = 0;
        mantissa /= std::frexp(x, &e);
        exponent -= e;
    }
    return runtime::CheckFinite(std::ldexp(mantissa, exponent));
}

// Runs a step of the check; a value out of range names the step's inputs.
template<class Compute>
double Checked(Step step, Direction direction, std::vector<InputRef> inputs, Compute compute) {
    try {
        return compute();
    } catch (const runtime::RuntimeError &error) {
        throw CalculationError(error.kind(), step, direction, std::move(inputs));
    }
}

std::vector<InputRef> Capacitances(const RatingInput &input) {
    std::vector<InputRef> present;
    for (std::size_t k = 0; k < input.capacitors.size(); ++k) {
        if (input.capacitors[k].picofarads != 0)
            present.push_back({Input::Capacitance, static_cast<int>(k)});
    }
    return present;
}

std::vector<InputRef> With(std::initializer_list<InputRef> first, std::vector<InputRef> then) {
    then.insert(then.begin(), first);
    return then;
}

// The share of the applied voltage across capacitor i at its worst:
// 1/Ci / (1/Ci + (1-t)/(1+t) x sum over j != i of 1/Cj). The denominator is
// at most the sum of reciprocals, so nothing leaves the range of numbers.
double WorstShare(const RatingInput &input, double tolerance, std::size_t i) {
    const double spread = Div(1 - tolerance, 1 + tolerance);
    double others = 0;
    for (std::size_t j = 0; j < input.capacitors.size(); ++j) {
        const double c = input.capacitors[j].picofarads;
        if (c != 0 && j != i)
            others = Add(others, Reciprocal(c));
    }
    const double own = Reciprocal(input.capacitors[i].picofarads);
    return Div(own, Add(own, Mul(spread, others)));
}

CapacitorRating Rate(const RatingInput &input, double tolerance, std::size_t i) {
    const RatedCapacitor &capacitor = input.capacitors[i];
    CapacitorRating rating;
    rating.present = true;
    // The applied voltage too large for these capacitances: a chain that the
    // window did not compute (a design's) meets it here first. A failure of
    // the check's own, so that the window's results stand.
    const std::vector<InputRef> across = With({{Input::AppliedVoltage}}, Capacitances(input));
    rating.nominalVolts = Checked(Step::Peak, Direction::TooLarge, across, [&] {
        return VoltageAcross(input.volts, input.equivalent, capacitor.picofarads);
    });
    rating.worstVolts = Checked(Step::Peak, Direction::TooLarge, across,
                                [&] { return Mul(input.volts, WorstShare(input, tolerance, i)); });
    rating.worstPeak = Checked(Step::Peak, Direction::TooLarge, {{Input::AppliedVoltage}},
                               [&] { return Mul(rating.worstVolts, std::numbers::sqrt2); });
    if (capacitor.ratedVolts != 0) {
        const double compared =
            capacitor.kind == RatingKind::AlternatingRms ? rating.worstVolts : rating.worstPeak;
        rating.headroom = Add(capacitor.ratedVolts, -compared);
        rating.marginVolts = std::fabs(rating.headroom);
        rating.margin = rating.headroom < 0 ? Margin::Exceeds : Margin::Within;
    }
    // 1/2 Ci Upk^2 = Ci Uw^2, Upk = Uw sqrt(2).
    rating.peakJoules = Checked(
        Step::Energy, Direction::TooLarge, With({{Input::AppliedVoltage}}, Capacitances(input)),
        [&] {
            return Ratio({capacitor.picofarads, rating.worstVolts, rating.worstVolts}, {kPico});
        });
    return rating;
}

} // namespace

std::optional<RatingResult> CheckRatings(const RatingInput &input) {
    if (!(input.tolerancePercent >= 0 && input.tolerancePercent < 100))
        throw CalculationError(runtime::ErrorKind::InvalidOperation, Step::Tolerance,
                               Direction::TooLarge, {{Input::Tolerance}});
    const double tolerance = Div(input.tolerancePercent, 100);
    const std::vector<InputRef> capacitances = Capacitances(input);
    if (capacitances.empty())
        return std::nullopt;

    RatingResult result;
    ChainRating &chain = result.chain;
    const InputRef applied{Input::AppliedVoltage};
    chain.coulombs = Checked(Step::Charge, Direction::TooLarge, With({applied}, capacitances), [&] {
        return Ratio({input.volts, input.equivalent}, {kPico});
    });
    for (std::size_t i = 0; i < input.capacitors.size(); ++i) {
        if (input.capacitors[i].picofarads != 0)
            result.capacitors[i] = Rate(input, tolerance, i);
    }
    // 1/2 Ceq Upk^2 = Ceq U^2 at the nominal peak.
    chain.peakJoules =
        Checked(Step::Energy, Direction::TooLarge, With({applied}, capacitances), [&] {
            return Ratio({input.volts, input.equivalent, input.volts}, {kPico});
        });
    if (input.hertz != 0) {
        const double omega = 2 * std::numbers::pi;
        chain.ohms = Checked(Step::Reactance, Direction::TooSmall,
                             With({{Input::Frequency}}, capacitances), [&] {
                                 return Ratio({kPico}, {omega, input.hertz, input.equivalent});
                             });
        chain.amperes =
            Checked(Step::Current, Direction::TooLarge,
                    With({applied, {Input::Frequency}}, capacitances), [&] {
                        return Ratio({input.volts, omega, input.hertz, input.equivalent}, {kPico});
                    });
    }
    return result;
}

} // namespace calc
