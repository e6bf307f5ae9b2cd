// The number-text conversions alone, on texts and values that a
// recalculation of four capacitors handles.
#include "conversions.h"
#include "locale_formats.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void BM_TextToDouble(benchmark::State &state) {
    const auto format = test_support::RomanianFormat();
    const std::string text = "0,000145454545454545";
    for (auto _ : state) {
        benchmark::DoNotOptimize(runtime::IsNumber(text, format));
        benchmark::DoNotOptimize(runtime::TextToDouble(text, format));
    }
}
BENCHMARK(BM_TextToDouble);

void BM_DoubleToText(benchmark::State &state) {
    const auto format = test_support::EnglishFormat();
    double x = 0.000145454545454545;
    for (auto _ : state) {
        benchmark::DoNotOptimize(x);
        benchmark::DoNotOptimize(runtime::DoubleToText(x, format));
    }
}
BENCHMARK(BM_DoubleToText);

void BM_DoubleToTextExponent(benchmark::State &state) {
    const auto format = test_support::EnglishFormat();
    double x = 1.23456789012345e-7;
    for (auto _ : state) {
        benchmark::DoNotOptimize(x);
        benchmark::DoNotOptimize(runtime::DoubleToText(x, format));
    }
}
BENCHMARK(BM_DoubleToTextExponent);

void BM_RoundDecimals(benchmark::State &state) {
    double x = 6874.99999999999;
    for (auto _ : state) {
        benchmark::DoNotOptimize(x);
        benchmark::DoNotOptimize(runtime::RoundDecimals(x, 3));
    }
}
BENCHMARK(BM_RoundDecimals);

} // namespace
