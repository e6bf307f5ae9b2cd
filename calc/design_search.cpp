// SPDX-License-Identifier: GPL-3.0-or-later
#include "design_search.h"

#include "calculation_error.h"
#include "preferred_values.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <tuple>

namespace calc {
namespace {

// Deviations are compared in steps of 1e-10: closer ones count as equal, so
// that rounding in the last digit never ranks more parts above fewer.
constexpr double kTieSteps = 1e10;
constexpr double kSlack = 2 / kTieSteps;

double TieKey(double deviation) {
    return std::round(std::fabs(deviation) * kTieSteps);
}

// The sum of the reciprocals of no, one or two parts: those of indices
// `first` and `last` (the same for one part; none for no part).
struct HalfSum {
    double value = 0;
    int first = 0;
    int last = -1;
};

// The sums of no, one and two parts, each sorted by value.
using HalfSums = std::array<std::vector<HalfSum>, 3>;

HalfSums SortedSums(const std::vector<double> &reciprocals, int most) {
    HalfSums sums;
    sums[0].push_back({});
    const int n = static_cast<int>(reciprocals.size());
    const auto r = [&](int i) { return reciprocals[static_cast<std::size_t>(i)]; };
    for (int i = 0; i < n; ++i)
        sums[1].push_back({r(i), i, i});
    if (most >= 3) {
        sums[2].reserve(static_cast<std::size_t>(n) * static_cast<std::size_t>(n + 1) / 2);
        for (int i = 0; i < n; ++i) {
            for (int j = i; j < n; ++j)
                sums[2].push_back({r(i) + r(j), i, j});
        }
    }
    for (std::vector<HalfSum> &half : sums) {
        std::sort(half.begin(), half.end(), [](const HalfSum &a, const HalfSum &b) {
            return std::tie(a.value, a.first, a.last) < std::tie(b.value, b.first, b.last);
        });
    }
    return sums;
}

// The best rows so far of one pass of the search: the rated rows, or the
// others.
class Leaders {
public:
    Leaders(std::size_t count, bool rated)
        : m_count(count)
        , m_rated(rated) {}

    void Offer(const Combination &c) {
        if (c.rated != m_rated || !(std::fabs(c.deviation) < kFarthestDeviation))
            return;
        if (m_rows.size() == m_count && !RanksBefore(c, m_rows.back()))
            return;
        m_rows.insert(std::upper_bound(m_rows.begin(), m_rows.end(), c, RanksBefore), c);
        if (m_rows.size() > m_count)
            m_rows.pop_back();
    }

    // No combination farther than this from the target can enter.
    double Bound() const {
        return m_rows.size() < m_count ? kFarthestDeviation : std::fabs(m_rows.back().deviation);
    }

    void AppendTo(std::vector<Combination> &all) const {
        all.insert(all.end(), m_rows.begin(), m_rows.end());
    }

private:
    std::size_t m_count;
    bool m_rated;
    std::vector<Combination> m_rows;
};

double Spread(double tolerance) {
    return (1 - tolerance) / (1 + tolerance);
}

double Compared(RatingKind kind, double worstVolts) {
    return kind == RatingKind::DirectPeak ? worstVolts * std::numbers::sqrt2 : worstVolts;
}

// The largest share of the sum of reciprocals that a chain's smallest part
// (the most loaded) may have in a rated row; infinite where any part holds
// its share. A part carries V * r / (r + spread * (S - r)) at worst, r its
// reciprocal and S the sum, which the highest rating holds while r / S stays
// below this share.
double RatedShare(const DesignQuery &query) {
    const double spread = Spread(query.tolerancePercent / 100);
    const double highest = StandardRatings(query.kind).back();
    const double holds =
        query.kind == RatingKind::DirectPeak ? highest / std::numbers::sqrt2 : highest;
    const double excess = query.volts - holds * (1 - spread);
    return excess > 0 ? holds * spread / excess : std::numeric_limits<double>::infinity();
}

// Every combination of exactly `count` parts that may be among the best,
// from the sums of `count / 2` parts and those of the rest; with a finite
// `share`, only those whose smallest part has at most that share of the sum.
void Search(const DesignQuery &query, const HalfSums &sums, int count, double share,
            Leaders &leaders) {
    const std::vector<HalfSum> &lower = sums[static_cast<std::size_t>(count / 2)];
    const std::vector<HalfSum> &upper = sums[static_cast<std::size_t>(count - count / 2)];
    const double needed = 1 / query.target;
    const auto far = [&](double sum) {
        const double deviation = (1 / sum - query.target) / query.target;
        return std::fabs(deviation) > leaders.Bound() + kSlack;
    };
    const auto offer = [&](const HalfSum &x, const HalfSum &y) {
        if (y.first < x.last) // each set of parts once, its indices ascending
            return;
        std::array<int, 4> parts{};
        std::size_t k = 0;
        for (const auto &[half, size] :
             {std::pair(&x, count / 2), std::pair(&y, count - count / 2)}) {
            if (size >= 1)
                parts[k++] = half->first;
            if (size == 2)
                parts[k++] = half->last;
        }
        leaders.Offer(Evaluate(query, parts, count));
    };
    const auto below = [](const HalfSum &sum, double value) { return sum.value < value; };
    // The largest sums first: their complements are sums of larger parts,
    // which the order of indices admits, so the leaders fill and the bound
    // closes in early.
    for (auto from = lower.rbegin(); from != lower.rend(); ++from) {
        const HalfSum &x = *from;
        // x holds the smallest parts, except where it is empty (one part):
        // the other half's parts are no smaller than x's largest, and the
        // smallest one may carry at most `share` of the sum.
        const auto reciprocal = [&](int i) { return 1 / query.parts[static_cast<std::size_t>(i)]; };
        const bool empty = x.last < 0;
        const double largest =
            empty ? std::numeric_limits<double>::infinity()
                  : (x.value + (count - count / 2) * reciprocal(x.last)) * (1 + 1e-9);
        const double least = empty ? 0 : reciprocal(x.first) / share * (1 - 1e-9);
        if (least > largest)
            continue;
        const auto at =
            std::lower_bound(upper.begin(), upper.end(), std::max(needed, least) - x.value, below);
        for (auto it = at;
             it != upper.end() && x.value + it->value <= largest && !far(x.value + it->value); ++it)
            offer(x, *it);
        for (auto it = at; it != upper.begin() && x.value + std::prev(it)->value >= least &&
                           !far(x.value + std::prev(it)->value);
             --it)
            offer(x, *std::prev(it));
    }
}

} // namespace

Combination Evaluate(const DesignQuery &query, const std::array<int, 4> &parts, int count) {
    Combination c;
    c.parts = parts;
    c.count = count;
    const auto reciprocal = [&](int k) {
        return 1 / query.parts[static_cast<std::size_t>(parts[static_cast<std::size_t>(k)])];
    };
    double sum = 0;
    for (int k = 0; k < count; ++k)
        sum += reciprocal(k);
    c.deviation = (1 / sum - query.target) / query.target;

    // As the rating check finds the worst case of each part.
    const double spread = Spread(query.tolerancePercent / 100);
    c.rated = true;
    for (int i = 0; i < count; ++i) {
        double others = 0;
        for (int j = 0; j < count; ++j) {
            if (j != i)
                others += reciprocal(j);
        }
        const double own = reciprocal(i);
        const auto k = static_cast<std::size_t>(i);
        c.worstVolts[k] = Compared(query.kind, query.volts * (own / (own + spread * others)));
        const std::optional<double> rating = StandardRating(query.kind, c.worstVolts[k]);
        c.ratings[k] = rating.value_or(0);
        c.rated = c.rated && rating.has_value();
        c.highestRating = std::max(c.highestRating, c.ratings[k]);
    }
    return c;
}

bool RanksBefore(const Combination &a, const Combination &b) {
    return std::make_tuple(!a.rated, TieKey(a.deviation), a.count, a.highestRating, a.parts) <
           std::make_tuple(!b.rated, TieKey(b.deviation), b.count, b.highestRating, b.parts);
}

std::vector<Combination> BestCombinations(const DesignQuery &query, std::size_t count) {
    if (!(query.tolerancePercent >= 0 && query.tolerancePercent < 100))
        throw CalculationError(runtime::ErrorKind::InvalidOperation, Step::Tolerance,
                               Direction::TooLarge, {{Input::Tolerance}});
    std::vector<Combination> all;
    if (!(query.target > 0) || query.parts.empty() || count == 0)
        return all;
    std::vector<double> reciprocals;
    for (const double part : query.parts)
        reciprocals.push_back(1 / part);
    const HalfSums sums = SortedSums(reciprocals, query.most);
    const int fewest = std::max(query.fewest, 1);
    const int most = std::min(query.most, 4);
    // The rated rows first; the others only where fewer rows than wanted are
    // rated, as they rank after them.
    for (const bool rated : {true, false}) {
        if (!rated && all.size() >= count)
            break;
        const double share = rated ? RatedShare(query) : std::numeric_limits<double>::infinity();
        for (int parts = fewest; parts <= most; ++parts) {
            Leaders leaders(count, rated);
            Search(query, sums, parts, share, leaders);
            leaders.AppendTo(all);
        }
    }
    std::sort(all.begin(), all.end(), RanksBefore);
    if (all.size() > count)
        all.resize(count);
    return all;
}

} // namespace calc
