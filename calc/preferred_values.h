// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "number_format.h"
#include "rating_check.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The standard values of capacitors: the preferred-number series of
// IEC 60063 and the voltage ratings that parts are sold with.
namespace calc {

enum class PreferredSeries { E3, E6, E12, E24 };

inline constexpr std::array<PreferredSeries, 4> kPreferredSeries = {
    PreferredSeries::E3, PreferredSeries::E6, PreferredSeries::E12, PreferredSeries::E24};

// "E3" to "E24".
std::string_view SeriesName(PreferredSeries series);

// The values of one decade, in tenths: 10 (1,0) to 91 (9,1), ascending.
std::span<const int> SeriesTenths(PreferredSeries series);

// A part of the series as a capacitance field holds it: its text in the
// unit in which it reads from 1 to under 1000 (below 1 pF in pF), and the
// value in pF that the window reads from that text and unit.
struct PartValue {
    std::string text;
    std::string_view unit;
    double picofarads = 0;
};

// Parts are made from 0,1 pF to 91 mF: these decades, as powers of ten of pF.
inline constexpr int kLowestDecade = -1;
inline constexpr int kHighestDecade = 10;

// Every part of the series from `fromPf` to `toPf` (both included, in either
// order), ascending, written in `format`.
std::vector<PartValue> PartValues(PreferredSeries series, double fromPf, double toPf,
                                  const runtime::NumberFormat &format);

// The standard rated voltages, in volts: DC ratings of film and ceramic parts,
// and AC ratings of X capacitors.
inline constexpr std::array<double, 16> kDirectRatings = {
    16, 25, 35, 50, 63, 100, 160, 200, 250, 400, 450, 630, 1000, 1600, 2000, 3000};
inline constexpr std::array<double, 4> kAlternatingRatings = {275, 305, 310, 440};

// The standard ratings of `kind`, ascending.
std::span<const double> StandardRatings(RatingKind kind);

// The smallest standard rating of `kind` that holds `volts` (the worst peak
// for a DC rating, the worst RMS value for an AC one); none where none does.
std::optional<double> StandardRating(RatingKind kind, double volts);

} // namespace calc
