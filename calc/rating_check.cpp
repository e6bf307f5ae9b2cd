// SPDX-License-Identifier: GPL-3.0-or-later
// The rating check: the worst-case voltage across each capacitor of a series
// chain within the capacitances' tolerance, its peak against the rating, and
// the chain's charge, energy, reactance and current.
#include "rating_check.h"

#include "checked_math.h"
#include "runtime_error.h"

#include <numbers>

namespace calc {

using runtime::Add;
using runtime::Div;
using runtime::Mul;

namespace {

// From pF: the charge in C, the energy in J, the reactance in ohms.
constexpr double kPico = 1e12;

// Sum over the present capacitors other than `skip` of 1 / (C (1 + t)); with
// no `skip`, over all of them and at t = 0 it is 1 / Ceq.
double ReciprocalSum(const RatingInput &input, std::optional<std::size_t> skip, double high) {
    double sum = 0;
    for (std::size_t j = 0; j < input.capacitors.size(); ++j) {
        const double c = input.capacitors[j].picofarads;
        if (c != 0 && j != skip)
            sum = Add(sum, Div(1, Mul(c, high)));
    }
    return sum;
}

CapacitorRating Rate(const RatingInput &input, std::size_t i, double equivalent) {
    const RatedCapacitor &capacitor = input.capacitors[i];
    CapacitorRating rating;
    rating.present = true;
    rating.nominalVolts = Div(Mul(input.volts, equivalent), capacitor.picofarads);
    const double low = Mul(capacitor.picofarads, 1 - input.tolerance);
    const double others = ReciprocalSum(input, i, 1 + input.tolerance);
    rating.worstVolts = Div(input.volts, Add(1, Mul(low, others)));
    rating.worstPeak = Mul(rating.worstVolts, std::numbers::sqrt2);
    if (capacitor.ratedVolts != 0) {
        rating.headroom = Add(capacitor.ratedVolts, -rating.worstPeak);
        rating.margin = rating.headroom < 0 ? Margin::Exceeds : Margin::Within;
    }
    rating.joules = Div(
        Mul(Mul(0.5, capacitor.picofarads), Mul(rating.nominalVolts, rating.nominalVolts)), kPico);
    return rating;
}

} // namespace

std::optional<RatingResult> CheckRatings(const RatingInput &input) {
    if (input.tolerance < 0 || input.tolerance > 1)
        throw runtime::RuntimeError(runtime::ErrorKind::InvalidOperation);
    const double sum = ReciprocalSum(input, std::nullopt, 1);
    if (sum == 0)
        return std::nullopt;

    RatingResult result;
    ChainRating &chain = result.chain;
    chain.picofarads = Div(1, sum);
    for (std::size_t i = 0; i < input.capacitors.size(); ++i) {
        if (input.capacitors[i].picofarads == 0)
            continue;
        result.capacitors[i] = Rate(input, i, chain.picofarads);
        chain.joules = Add(chain.joules, result.capacitors[i].joules);
    }
    chain.coulombs = Div(Mul(chain.picofarads, input.volts), kPico);
    if (input.hertz != 0) {
        chain.ohms = Div(kPico, Mul(Mul(2 * std::numbers::pi, input.hertz), chain.picofarads));
        chain.amperes = Div(input.volts, *chain.ohms);
    }
    return result;
}

} // namespace calc
