// SPDX-License-Identifier: GPL-3.0-or-later
// The number-text conversions alone, on texts and values that a
// recalculation of four capacitors handles.
#include "conversions.h"
#include "locale_formats.h"

#include <benchmark/benchmark.h>

#include <array>
#include <charconv>
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

// The yardstick for BM_TextToDouble: the standard library reading the same
// value from a plain text, twice as IsNumber and TextToDouble each read it.
void BM_TextToDoubleFromCharsBaseline(benchmark::State &state) {
    const std::string text = "0.000145454545454545";
    for (auto _ : state) {
        for (int k = 0; k < 2; ++k) {
            double value = 0;
            benchmark::DoNotOptimize(
                std::from_chars(text.data(), text.data() + text.size(), value));
            benchmark::DoNotOptimize(value);
        }
    }
}
BENCHMARK(BM_TextToDoubleFromCharsBaseline);

void BM_DoubleToText(benchmark::State &state) {
    const auto format = test_support::EnglishFormat();
    double x = 0.000145454545454545;
    for (auto _ : state) {
        benchmark::DoNotOptimize(x);
        benchmark::DoNotOptimize(runtime::DoubleToText(x, format));
    }
}
BENCHMARK(BM_DoubleToText);

// The yardstick for BM_DoubleToText: the standard library writing the same
// value with 15 significant digits into a buffer of its own.
void BM_DoubleToTextToCharsBaseline(benchmark::State &state) {
    double x = 0.000145454545454545;
    for (auto _ : state) {
        std::array<char, 32> buffer;
        benchmark::DoNotOptimize(x);
        benchmark::DoNotOptimize(std::to_chars(buffer.data(), buffer.data() + buffer.size(), x,
                                               std::chars_format::general, 15));
        benchmark::DoNotOptimize(buffer);
    }
}
BENCHMARK(BM_DoubleToTextToCharsBaseline);

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
