// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rating_check.h"

#include <array>
#include <cstddef>
#include <vector>

// Which standard parts to put in series for a capacitance: an exhaustive
// search over the parts that a series offers within a range.
namespace calc {

struct DesignQuery {
    std::vector<double> parts; // the parts offered, in pF, ascending
    double target = 0;         // pF, above 0
    int fewest = 1;            // how many parts in series, 1 to 4
    int most = 4;
    // What each part must withstand: the applied voltage (RMS), the
    // tolerance of the capacitances in +-% (10 for +-10 %) and the kind of
    // rating to propose.
    double volts = 0;
    double tolerancePercent = 0;
    RatingKind kind = RatingKind::DirectPeak;

    bool operator==(const DesignQuery &) const = default;
};

// Parts of one combination, smallest first: indices into DesignQuery::parts.
struct Combination {
    std::array<int, 4> parts{};
    int count = 0;
    double deviation = 0; // (Ceq - target) / target
    // Per part: the voltage that its rating must hold at worst (the peak for
    // DC ratings, the RMS value for AC) and that rating, 0 where none does.
    std::array<double, 4> worstVolts{};
    std::array<double, 4> ratings{};
    bool rated = false; // every part has a rating
    double highestRating = 0;

    bool operator==(const Combination &) const = default;
};

// Combinations farther than this from the target are none worth showing.
inline constexpr double kFarthestDeviation = 0.5;
inline constexpr std::size_t kShownCombinations = 10;

// The combination of these parts (ascending indices), with its deviation
// computed from the reciprocals summed smallest part first, and the ratings
// its parts need.
Combination Evaluate(const DesignQuery &query, const std::array<int, 4> &parts, int count);

// The order of the results: rows whose every part has a rating first; then
// by the absolute deviation (deviations within 1e-10 count as equal), by
// fewer parts, by the lower highest rating, and by the parts themselves.
bool RanksBefore(const Combination &a, const Combination &b);

// The best `count` combinations of query.fewest to query.most parts closer
// to the target than kFarthestDeviation, in the order of RanksBefore.
// Meet in the middle: the sums of reciprocals of one or two parts are sorted
// once, and each sum of the other half looks up the sums that complete it
// near the target; only the nearest ones are evaluated. A tolerance of 100 %
// or more raises CalculationError (Step::Tolerance).
std::vector<Combination> BestCombinations(const DesignQuery &query,
                                          std::size_t count = kShownCombinations);

} // namespace calc
