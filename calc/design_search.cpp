// SPDX-License-Identifier: GPL-3.0-or-later
#include "design_search.h"

#include "calculation_error.h"
#include "preferred_values.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <ranges>
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

// The sum of the reciprocals of no, one or two parts.
struct HalfSum {
    double value = 0;
    int first = 0; // the smallest index of its parts
    int last = -1; // the largest
    std::array<int, 2> parts{};
    int count = 0;
};

std::vector<HalfSum> HalfSums(const std::vector<double> &reciprocals, int size) {
    std::vector<HalfSum> sums;
    const int n = static_cast<int>(reciprocals.size());
    if (size == 0)
        sums.push_back({});
    for (int i = 0; size == 1 && i < n; ++i)
        sums.push_back({reciprocals[static_cast<std::size_t>(i)], i, i, {i, 0}, 1});
    for (int i = 0; size == 2 && i < n; ++i) {
        for (int j = i; j < n; ++j) {
            sums.push_back({reciprocals[static_cast<std::size_t>(i)] +
                                reciprocals[static_cast<std::size_t>(j)],
                            i,
                            j,
                            {i, j},
                            2});
        }
    }
    std::sort(sums.begin(), sums.end(), [](const HalfSum &a, const HalfSum &b) {
        return std::tie(a.value, a.parts) < std::tie(b.value, b.parts);
    });
    return sums;
}

// The best combinations so far, those whose parts all have a rating apart
// from the others.
class Leaders {
public:
    Leaders(std::size_t count, bool ratedPossible)
        : m_count(count)
        , m_ratedPossible(ratedPossible) {}

    void Offer(const Combination &c) {
        if (!(std::fabs(c.deviation) < kFarthestDeviation))
            return;
        std::vector<Combination> &list = c.rated ? m_rated : m_unrated;
        if (list.size() == m_count && !RanksBefore(c, list.back()))
            return;
        list.insert(std::upper_bound(list.begin(), list.end(), c, RanksBefore), c);
        if (list.size() > m_count)
            list.pop_back();
    }

    // No combination farther than this from the target can enter.
    double Bound() const {
        if (m_rated.size() == m_count)
            return Farthest(m_rated);
        return m_ratedPossible ? kFarthestDeviation : Farthest(m_unrated);
    }

    void AppendTo(std::vector<Combination> &all) const {
        all.insert(all.end(), m_rated.begin(), m_rated.end());
        all.insert(all.end(), m_unrated.begin(), m_unrated.end());
    }

private:
    double Farthest(const std::vector<Combination> &list) const {
        return list.size() < m_count ? kFarthestDeviation : std::fabs(list.back().deviation);
    }

    std::size_t m_count;
    bool m_ratedPossible;
    std::vector<Combination> m_rated;
    std::vector<Combination> m_unrated;
};

double Spread(double tolerance) {
    return (1 - tolerance) / (1 + tolerance);
}

double Compared(RatingKind kind, double worstVolts) {
    return kind == RatingKind::DirectPeak ? worstVolts * std::numbers::sqrt2 : worstVolts;
}

// Whether any `count` parts can all have a rating: the most loaded part
// carries the least when all are equal.
bool RatedPossible(const DesignQuery &query, int count) {
    const double share = 1 / (1 + Spread(query.tolerance) * (count - 1));
    const double least = Compared(query.kind, query.volts * share);
    return StandardRating(query.kind, least * (1 - 1e-9)).has_value();
}

// Every combination of exactly `count` parts that may be among the best,
// from the sums of `count / 2` parts and those of the rest.
void Search(const DesignQuery &query, const std::vector<double> &reciprocals, int count,
            Leaders &leaders) {
    const std::vector<HalfSum> lower = HalfSums(reciprocals, count / 2);
    const std::vector<HalfSum> other =
        count % 2 == 0 ? std::vector<HalfSum>{} : HalfSums(reciprocals, count - count / 2);
    const std::vector<HalfSum> &upper = count % 2 == 0 ? lower : other;
    const double needed = 1 / query.target;
    const auto far = [&](double sum) {
        const double deviation = (1 / sum - query.target) / query.target;
        return std::fabs(deviation) > leaders.Bound() + kSlack;
    };
    const auto offer = [&](const HalfSum &x, const HalfSum &y) {
        if (y.first < x.last) // each set of parts once, its indices ascending
            return;
        std::array<int, 4> parts{};
        std::copy_n(x.parts.begin(), x.count, parts.begin());
        std::copy_n(y.parts.begin(), y.count, parts.begin() + x.count);
        leaders.Offer(Evaluate(query, parts, count));
    };
    // The largest sums first: their complements are sums of larger parts,
    // which the order of indices admits, so the leaders fill and the bound
    // closes in early.
    for (const HalfSum &x : std::views::reverse(lower)) {
        const auto at =
            std::lower_bound(upper.begin(), upper.end(), needed - x.value,
                             [](const HalfSum &sum, double value) { return sum.value < value; });
        for (auto it = at; it != upper.end() && !far(x.value + it->value); ++it)
            offer(x, *it);
        for (auto it = at; it != upper.begin() && !far(x.value + std::prev(it)->value); --it)
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
    const double spread = Spread(query.tolerance);
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
    if (!(query.tolerance >= 0 && query.tolerance < 1))
        throw CalculationError(runtime::ErrorKind::InvalidOperation, Step::Tolerance,
                               {{Input::Tolerance}});
    std::vector<Combination> all;
    if (!(query.target > 0) || query.parts.empty() || count == 0)
        return all;
    std::vector<double> reciprocals;
    for (const double part : query.parts)
        reciprocals.push_back(1 / part);
    for (int parts = std::max(query.fewest, 1); parts <= std::min(query.most, 4); ++parts) {
        Leaders leaders(count, RatedPossible(query, parts));
        Search(query, reciprocals, parts, leaders);
        leaders.AppendTo(all);
    }
    std::sort(all.begin(), all.end(), RanksBefore);
    if (all.size() > count)
        all.resize(count);
    return all;
}

} // namespace calc
