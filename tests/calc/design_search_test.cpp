// SPDX-License-Identifier: GPL-3.0-or-later
// The standard values, the search for parts in series against brute force,
// the order of its results and the ratings that parts need.
#include "design_search.h"
#include "preferred_values.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

namespace calc {
namespace {

const runtime::NumberFormat kRomanian{",", "."};

struct SeriesCase {
    PreferredSeries series;
    std::vector<int> tenths; // IEC 60063
};

const SeriesCase kSeriesCases[] = {
    {PreferredSeries::E3, {10, 22, 47}},
    {PreferredSeries::E6, {10, 15, 22, 33, 47, 68}},
    {PreferredSeries::E12, {10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82}},
    {PreferredSeries::E24, {10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                            33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91}},
};

TEST(PreferredValues, SeriesAreThoseOfTheStandard) {
    for (const SeriesCase &c : kSeriesCases) {
        const std::span<const int> tenths = SeriesTenths(c.series);
        EXPECT_EQ(std::vector<int>(tenths.begin(), tenths.end()), c.tenths) << SeriesName(c.series);
    }
}

// Each part as a capacitance field holds it, and its value as the window reads it.
TEST(PreferredValues, PartsAreWrittenAsTheFieldsHoldThem) {
    struct Case {
        PreferredSeries series;
        double from, to;
        std::size_t count;
        std::string first, last; // text and unit
    };
    const Case cases[] = {
        {PreferredSeries::E12, 10, 1e7, 73, "10 pF", "10 uF"},
        {PreferredSeries::E24, 1, 1e10, 241, "1 pF", "10000 uF"},
        {PreferredSeries::E6, 1e10, 1e-3, 67, "0,1 pF", "10000 uF"}, // either order
        {PreferredSeries::E3, 0, 1e20, 36, "0,1 pF", "47000 uF"},
        {PreferredSeries::E12, 2700, 2700, 1, "2,7 nF", "2,7 nF"},
        {PreferredSeries::E24, 0.44, 0.5, 1, "0,47 pF", "0,47 pF"},
        {PreferredSeries::E24, 2701, 2999, 0, "", ""},
    };
    for (const Case &c : cases) {
        const std::vector<PartValue> parts = PartValues(c.series, c.from, c.to, kRomanian);
        ASSERT_EQ(parts.size(), c.count) << c.first;
        if (parts.empty())
            continue;
        EXPECT_EQ(parts.front().text + " " + std::string(parts.front().unit), c.first);
        EXPECT_EQ(parts.back().text + " " + std::string(parts.back().unit), c.last);
        EXPECT_TRUE(std::is_sorted(parts.begin(), parts.end(), [](const auto &a, const auto &b) {
            return a.picofarads < b.picofarads;
        }));
    }
    EXPECT_EQ(PartValues(PreferredSeries::E24, 2700, 2700, kRomanian)[0].picofarads, 2.7 * 1000);
}

TEST(PreferredValues, SmallestStandardRatingThatHolds) {
    struct Case {
        RatingKind kind;
        double volts;
        std::optional<double> rating;
    };
    const Case cases[] = {
        {RatingKind::DirectPeak, 0, 16},
        {RatingKind::DirectPeak, 16, 16},
        {RatingKind::DirectPeak, 16.0001, 25},
        {RatingKind::DirectPeak, 279.53, 400},
        {RatingKind::DirectPeak, 3000, 3000},
        {RatingKind::DirectPeak, 3000.01, std::nullopt},
        {RatingKind::AlternatingRms, 0, 275},
        {RatingKind::AlternatingRms, 197.66, 275},
        {RatingKind::AlternatingRms, 306, 310},
        {RatingKind::AlternatingRms, 440, 440},
        {RatingKind::AlternatingRms, 441, std::nullopt},
    };
    for (const Case &c : cases)
        EXPECT_EQ(StandardRating(c.kind, c.volts), c.rating) << c.volts;
}

DesignQuery Query(PreferredSeries series, double from, double to, double target, int fewest,
                  int most) {
    DesignQuery query;
    for (const PartValue &part : PartValues(series, from, to, kRomanian))
        query.parts.push_back(part.picofarads);
    query.target = target;
    query.fewest = fewest;
    query.most = most;
    return query;
}

// Every multiset of parts, ranked.
std::vector<Combination> BruteForce(const DesignQuery &query) {
    std::vector<Combination> all;
    const int n = static_cast<int>(query.parts.size());
    for (int count = query.fewest; count <= query.most; ++count) {
        std::array<int, 4> parts{};
        const auto walk = [&](const auto &self, int k, int from) -> void {
            if (k == count) {
                const Combination c = Evaluate(query, parts, count);
                if (std::fabs(c.deviation) < kFarthestDeviation)
                    all.push_back(c);
                return;
            }
            for (int i = from; i < n; ++i) {
                parts[static_cast<std::size_t>(k)] = i;
                self(self, k + 1, i);
            }
        };
        walk(walk, 0, 0);
    }
    std::sort(all.begin(), all.end(), RanksBefore);
    all.resize(std::min(all.size(), kShownCombinations));
    return all;
}

// The search finds the brute force's rows in its order, for every series and
// number of parts, with ratings that some rows lack.
TEST(DesignSearch, AgreesWithBruteForce) {
    struct Range {
        double from, to;
    };
    const std::map<PreferredSeries, Range> ranges = {
        {PreferredSeries::E3, {1, 1e6}},
        {PreferredSeries::E6, {10, 1e5}},
        {PreferredSeries::E12, {100, 1e4}},
        {PreferredSeries::E24, {1000, 1e4}},
    };
    const double targets[] = {2500, 1234.5, 7.77e3, 0.2};
    const int counts[][2] = {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {1, 4}};
    // The usual voltages, and DC ones that only some chains of three or four
    // parts can hold, and none.
    const double voltages[] = {0, 3434, 5000, 1e5};
    for (const auto &[series, range] : ranges) {
        for (const double target : targets) {
            for (const auto &count : counts) {
                for (const double volts : voltages) {
                    DesignQuery query =
                        Query(series, range.from, range.to, target, count[0], count[1]);
                    query.volts = volts != 0 ? volts : target > 5000 ? 230 : 1200;
                    query.tolerancePercent = 10;
                    query.kind = volts == 0 && target > 2000 ? RatingKind::AlternatingRms
                                                             : RatingKind::DirectPeak;
                    const std::vector<Combination> expected = BruteForce(query);
                    const std::vector<Combination> found = BestCombinations(query);
                    ASSERT_EQ(found.size(), expected.size()) << SeriesName(series) << " " << target;
                    for (std::size_t i = 0; i < found.size(); ++i) {
                        EXPECT_EQ(found[i].parts, expected[i].parts)
                            << SeriesName(series) << " " << target << " " << count[0] << "-"
                            << count[1] << " at " << volts << " V, row " << i;
                        EXPECT_EQ(found[i].count, expected[i].count);
                        EXPECT_EQ(found[i].rated, expected[i].rated);
                    }
                }
            }
        }
    }
}

std::vector<double> Values(const DesignQuery &query, const Combination &c) {
    std::vector<double> values;
    for (int k = 0; k < c.count; ++k)
        values.push_back(
            query.parts[static_cast<std::size_t>(c.parts[static_cast<std::size_t>(k)])]);
    return values;
}

TEST(DesignSearch, BestRowsOfTheKnownCases) {
    struct Case {
        PreferredSeries series;
        double target;
        int fewest, most;
        std::vector<double> parts;
        double deviation;
    };
    const Case cases[] = {
        {PreferredSeries::E24, 2500, 2, 2, {3000, 15000}, 0},
        {PreferredSeries::E12, 2500, 2, 2, {2700, 33000}, -0.00168},
        // At most 4: 10 nF four times gives 2,5 nF too, but with more parts.
        {PreferredSeries::E24, 2500, 1, 4, {3000, 15000}, 0},
        {PreferredSeries::E12, 4700, 1, 4, {4700}, 0},
    };
    for (const Case &c : cases) {
        const DesignQuery query = Query(c.series, 10, 1e7, c.target, c.fewest, c.most);
        const std::vector<Combination> found = BestCombinations(query);
        ASSERT_FALSE(found.empty());
        EXPECT_EQ(Values(query, found[0]), c.parts);
        EXPECT_NEAR(found[0].deviation, c.deviation, 5e-6);
        EXPECT_EQ(found.size(), kShownCombinations);
    }
}

// Equal deviations go to fewer parts, then to the lower highest rating; a
// row that lacks a rating goes below every row that has them all, however
// much closer it comes.
TEST(DesignSearch, OrderOfTies) {
    // 2,5 nF exactly from 3 nF to 15 nF: 3 + 15, then three parts (7,5 three
    // times among them), then 10 four times.
    DesignQuery query = Query(PreferredSeries::E24, 3000, 15000, 2500, 1, 4);
    query.volts = 230;
    query.tolerancePercent = 10;
    query.kind = RatingKind::AlternatingRms;
    const std::vector<Combination> found = BestCombinations(query);
    ASSERT_EQ(found.size(), kShownCombinations);
    EXPECT_TRUE(std::is_sorted(found.begin(), found.end(), RanksBefore));
    EXPECT_EQ(Values(query, found[0]), (std::vector<double>{3000, 15000}));
    const auto four = std::find_if(found.begin(), found.end(), [&](const Combination &c) {
        return Values(query, c) == std::vector<double>{10000, 10000, 10000, 10000};
    });
    ASSERT_NE(four, found.end());
    EXPECT_TRUE(std::all_of(found.begin(), std::next(four),
                            [](const Combination &c) { return std::fabs(c.deviation) < 1e-12; }));
    EXPECT_TRUE(std::is_sorted(found.begin(), std::next(four),
                               [](const auto &a, const auto &b) { return a.count < b.count; }));
    EXPECT_TRUE(std::any_of(found.begin(), four, [&](const Combination &c) {
        return Values(query, c) == std::vector<double>{7500, 7500, 7500};
    }));

    // 300 V AC: the 3 nF part of 3 nF + 15 nF has no AC rating.
    query.volts = 300;
    query.fewest = query.most = 2;
    const std::vector<Combination> high = BestCombinations(query);
    ASSERT_FALSE(high.empty());
    EXPECT_TRUE(high[0].rated);
    const auto firstUnrated =
        std::find_if(high.begin(), high.end(), [](const Combination &c) { return !c.rated; });
    EXPECT_TRUE(std::all_of(firstUnrated, high.end(), [](const auto &c) { return !c.rated; }));
    EXPECT_EQ(BestCombinations(query), high); // the same every time
}

// 230 V AC applied, +-10 %: the 3 nF part of 3 nF + 15 nF takes at worst
// 197,656 V RMS, 279,53 V at its peak: DC 400 V or AC 275 V.
TEST(DesignSearch, WorstVoltagesAndRatings) {
    DesignQuery query = Query(PreferredSeries::E24, 3000, 15000, 2500, 2, 2);
    query.volts = 230;
    query.tolerancePercent = 10;
    const std::array<int, 4> parts{0, static_cast<int>(query.parts.size()) - 1, 0, 0};
    query.kind = RatingKind::DirectPeak;
    const Combination dc = Evaluate(query, parts, 2);
    EXPECT_NEAR(dc.worstVolts[0], 197.65625 * std::numbers::sqrt2, 1e-9);
    EXPECT_EQ(dc.ratings[0], 400);
    EXPECT_EQ(dc.ratings[1], 100); // 15 nF: 52,27 V RMS, 73,9 V peak
    EXPECT_EQ(dc.highestRating, 400);
    query.kind = RatingKind::AlternatingRms;
    const Combination ac = Evaluate(query, parts, 2);
    EXPECT_NEAR(ac.worstVolts[0], 197.65625, 1e-9);
    EXPECT_EQ(ac.ratings, (std::array<double, 4>{275, 275, 0, 0}));
    EXPECT_TRUE(ac.rated);
}

TEST(DesignSearch, NothingWithinHalfTheTarget) {
    // 10 pF and up, at most 4 in series: 2,5 pF at least, 0,5 pF is 400 % away.
    EXPECT_TRUE(BestCombinations(Query(PreferredSeries::E12, 10, 1e7, 0.5, 1, 4)).empty());
    EXPECT_TRUE(BestCombinations(Query(PreferredSeries::E12, 10, 1e7, 0, 1, 4)).empty());
    EXPECT_TRUE(BestCombinations(Query(PreferredSeries::E12, 2701, 2999, 2800, 1, 4)).empty());
    DesignQuery query = Query(PreferredSeries::E12, 10, 1e7, 2500, 1, 4);
    query.tolerancePercent = 100;
    EXPECT_THROW(BestCombinations(query), CalculationError);
}

} // namespace
} // namespace calc
