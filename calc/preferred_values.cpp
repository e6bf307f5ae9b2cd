// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferred_values.h"

#include "conversions.h"
#include "series.h"
#include "units.h"

#include <algorithm>

namespace calc {
namespace {

constexpr std::array<int, 3> kE3 = {10, 22, 47};
constexpr std::array<int, 6> kE6 = {10, 15, 22, 33, 47, 68};
constexpr std::array<int, 12> kE12 = {10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};
constexpr std::array<int, 24> kE24 = {10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                                      33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};

// The digits of `tenths` x 10^(power - 1) with the decimal mark where it
// goes: 27 and 0 give "2.7", 10 and 2 give "100", 47 and -1 give "0.47".
std::string Written(int tenths, int power, const runtime::NumberFormat &format) {
    std::string digits = std::to_string(tenths);
    int exponent = power - 1;
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
        ++exponent;
    }
    if (exponent >= 0)
        return digits + std::string(static_cast<std::size_t>(exponent), '0');
    const auto decimals = static_cast<std::size_t>(-exponent);
    if (digits.size() <= decimals)
        digits.insert(0, decimals - digits.size() + 1, '0');
    digits.insert(digits.size() - decimals, format.decimal);
    return digits;
}

} // namespace

std::string_view SeriesName(PreferredSeries series) {
    switch (series) {
    case PreferredSeries::E3:
        return "E3";
    case PreferredSeries::E6:
        return "E6";
    case PreferredSeries::E12:
        return "E12";
    case PreferredSeries::E24:
        return "E24";
    }
    return "E24";
}

std::span<const int> SeriesTenths(PreferredSeries series) {
    switch (series) {
    case PreferredSeries::E3:
        return kE3;
    case PreferredSeries::E6:
        return kE6;
    case PreferredSeries::E12:
        return kE12;
    case PreferredSeries::E24:
        return kE24;
    }
    return kE24;
}

std::vector<PartValue> PartValues(PreferredSeries series, double fromPf, double toPf,
                                  const runtime::NumberFormat &format) {
    const double low = std::min(fromPf, toPf);
    const double high = std::max(fromPf, toPf);
    std::vector<PartValue> parts;
    for (int decade = kLowestDecade; decade <= kHighestDecade; ++decade) {
        // pF up to 910 pF, nF up to 910 nF, uF from 1 uF on.
        const int step = std::clamp(decade < 0 ? 0 : decade / 3, 0, 2);
        for (const int tenths : SeriesTenths(series)) {
            PartValue part{Written(tenths, decade - 3 * step, format), kCapacitanceUnits[step]};
            part.picofarads = ToPicofarads(runtime::TextToDouble(part.text, format), part.unit);
            if (part.picofarads >= low && part.picofarads <= high)
                parts.push_back(std::move(part));
        }
    }
    return parts;
}

std::span<const double> StandardRatings(RatingKind kind) {
    return kind == RatingKind::DirectPeak ? std::span<const double>(kDirectRatings)
                                          : std::span<const double>(kAlternatingRatings);
}

std::optional<double> StandardRating(RatingKind kind, double volts) {
    const std::span<const double> ratings = StandardRatings(kind);
    const auto it = std::lower_bound(ratings.begin(), ratings.end(), volts);
    if (it == ratings.end())
        return std::nullopt;
    return *it;
}

} // namespace calc
