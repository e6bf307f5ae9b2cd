// SPDX-License-Identifier: GPL-3.0-or-later
// The design search: the whole search for E24, one to four parts, 1 pF to
// 10 mF, and its growth with the series and with the range of parts; and a
// keystroke into the capacitance wanted with the design part open.
#include "design_search.h"
#include "form_driver.h"
#include "locale_formats.h"
#include "preferred_values.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

calc::DesignQuery Query(calc::PreferredSeries series, double decades) {
    calc::DesignQuery query;
    for (const calc::PartValue &part :
         calc::PartValues(series, 1, std::pow(10.0, decades), test_support::EnglishFormat()))
        query.parts.push_back(part.picofarads);
    query.target = 2500; // 2.5 nF
    query.fewest = 1;
    query.most = 4;
    query.volts = 230;
    query.tolerancePercent = 10;
    return query;
}

void Search(benchmark::State &state, const calc::DesignQuery &query) {
    std::size_t rows = 0;
    for (auto _ : state) {
        const std::vector<calc::Combination> found = calc::BestCombinations(query);
        rows = found.size();
        benchmark::DoNotOptimize(found.data());
    }
    if (rows != calc::kShownCombinations)
        state.SkipWithError("the search did not find ten combinations");
}

// E24, 1 to 4 parts, 1 pF to 10 mF (1e10 pF).
void BM_DesignSearch(benchmark::State &state) {
    Search(state, Query(calc::PreferredSeries::E24, 10));
}
BENCHMARK(BM_DesignSearch)->Unit(benchmark::kMicrosecond);

// The same with AC ratings at 400 V, which few combinations can have, and at
// 5 kV, which none can.
void BM_DesignSearchUnrated(benchmark::State &state) {
    calc::DesignQuery query = Query(calc::PreferredSeries::E24, 10);
    query.volts = static_cast<double>(state.range(0));
    query.kind = calc::RatingKind::AlternatingRms;
    Search(state, query);
}
BENCHMARK(BM_DesignSearchUnrated)->Arg(400)->Arg(5000)->Unit(benchmark::kMicrosecond);

// DC ratings at 3.4 kV, which only chains of three or four parts near equal
// can have.
void BM_DesignSearchPartlyRated(benchmark::State &state) {
    calc::DesignQuery query = Query(calc::PreferredSeries::E24, 10);
    query.volts = 3434;
    Search(state, query);
}
BENCHMARK(BM_DesignSearchPartlyRated)->Unit(benchmark::kMicrosecond);

// Growth with the series over 1 pF to 10 mF: E3, E6, E12, E24 (31, 61, 121
// and 241 values). Google Benchmark's CSV takes no counter that only some
// benchmarks have.
void BM_DesignSearchSeries(benchmark::State &state) {
    Search(state, Query(calc::kPreferredSeries[static_cast<std::size_t>(state.range(0))], 10));
}
BENCHMARK(BM_DesignSearchSeries)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

// Growth with the range for E24: 1 pF to 10^n pF (97, 145, 193 and 241
// values).
void BM_DesignSearchDecades(benchmark::State &state) {
    Search(state, Query(calc::PreferredSeries::E24, static_cast<double>(state.range(0))));
}
BENCHMARK(BM_DesignSearchDecades)->Arg(4)->Arg(6)->Arg(8)->Arg(10)->Unit(benchmark::kMicrosecond);

// A digit typed into the capacitance wanted, E24 from 1 pF to 10 mF, at most
// 4 parts: the validation, the recalculation, the search and the rows.
void BM_DesignKeystroke(benchmark::State &state) {
    using window::Control;
    window::frmTolvarine form(test_support::EnglishFormat());
    form.Start({});
    form.UserShowDesign(true);
    window::Choose(form, {Control::cboSerie, 0}, "E24");
    window::Type(form, {Control::txtCmin, 0}, "1");
    window::Type(form, {Control::txtCmax, 0}, "10000");
    bool odd = false;
    for (auto _ : state) {
        window::Type(form, {Control::txtCd, 0}, odd ? "2.5" : "2.51");
        odd = !odd;
    }
    if (form.Design().Rows().size() != calc::kShownCombinations)
        state.SkipWithError("the keystroke did not show ten rows");
}
BENCHMARK(BM_DesignKeystroke)->Unit(benchmark::kMicrosecond);

} // namespace
