#!/usr/bin/env bash
# Builds the benchmarks in Release (build/bench) and prints their results
# beside the targets: one recalculation, the conversions, a keystroke through
# the model and through the Qt window, and the start-up and peak memory of
# the window against a minimal Qt Widgets window (median of 20 runs each, or
# BENCH_RUNS). Nothing is asserted: a missed target is reported, not failed.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build/bench
runs="${BENCH_RUNS:-20}"

scripts/install-deps.sh build quality
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DTOLVARINE_BENCH=ON \
    -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" -j2 --target core_bench view_bench first_paint_tolvarine \
    first_paint_minimal startup_harness

export QT_QPA_PLATFORM=offscreen
"$build/bench/core_bench" --benchmark_out="$build/core.csv" --benchmark_out_format=csv
"$build/bench/view_bench" --benchmark_out="$build/view.csv" --benchmark_out_format=csv
"$build/bench/startup_harness" "$runs" "$build/bench/first_paint_tolvarine" \
    "$build/bench/first_paint_minimal" | tee "$build/startup.txt"

# Time per operation in microseconds, from the CSV that Google Benchmark
# writes (name, iterations, real_time, cpu_time, time_unit, ...).
micros() {
    awk -F, -v name="\"$2\"" '$1 == name {
        factor = ($5 == "ns") ? 0.001 : ($5 == "ms") ? 1000 : 1
        printf "%.3f", $3 * factor }' "$1"
}
ratio() {
    awk -v row="$1" 'index($0, row) == 1 { print $NF }' "$build/startup.txt"
}
verdict() { awk -v value="$1" -v limit="$2" 'BEGIN { print (value + 0 <= limit + 0) ? "met" : "MISSED" }'; }

recalc=$(micros "$build/core.csv" BM_Recalculate)
keyModel=$(micros "$build/core.csv" BM_KeystrokeModel)
keyQt=$(micros "$build/view.csv" BM_KeystrokeQtWindow)
keyQtPaint=$(micros "$build/view.csv" BM_KeystrokeQtWindowPainted)
toText=$(micros "$build/core.csv" BM_DoubleToText)
toDouble=$(micros "$build/core.csv" BM_TextToDouble)
startRatio=$(ratio "launch to first paint")
wallRatio=$(ratio "launch to exit")
memRatio=$(ratio "peak resident memory")

echo
printf '%-44s %14s %10s %8s\n' "measure" "value" "target" "verdict"
printf '%-44s %11s us %10s %8s\n' "Recalculate, four capacitances" "$recalc" "5 us" "$(verdict "$recalc" 5)"
printf '%-44s %11s us %10s %8s\n' "TextToDouble (with IsNumber)" "$toDouble" "-" "-"
printf '%-44s %11s us %10s %8s\n' "DoubleToText" "$toText" "-" "-"
printf '%-44s %11s us %10s %8s\n' "keystroke through the model" "$keyModel" "-" "-"
printf '%-44s %11s us %10s %8s\n' "keystroke through the Qt window" "$keyQt" "200 us" "$(verdict "$keyQt" 200)"
printf '%-44s %11s us %10s %8s\n' "keystroke through the Qt window, painted" "$keyQtPaint" "-" "-"
printf '%-44s %13sx %10s %8s\n' "start-up to first paint vs minimal" "$startRatio" "1.25x" "$(verdict "$startRatio" 1.25)"
printf '%-44s %13sx %10s %8s\n' "launch to exit after first paint vs minimal" "$wallRatio" "-" "-"
printf '%-44s %13sx %10s %8s\n' "peak memory vs minimal" "$memRatio" "1.15x" "$(verdict "$memRatio" 1.15)"
