#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the benchmarks in Release and prints one table: each measure, its
# value (median and spread), its target and whether the target holds. Nothing
# is asserted: a missed target is reported, not failed.
#
# Times are CPU time, so that other work on the machine weighs little: the
# median of BENCH_REPETITIONS runs (10) of each Google Benchmark, with their
# standard deviation. Start-up and peak memory are ratios of medians against
# a minimal Qt Widgets window of the same size, over BENCH_RUNS runs (20) of
# each program; the spread is the range of the runs. Runs of an earlier tree
# and of this one are interleaved.
#
# BENCH_BUILD  the build directory (build/bench)
# BENCH_BEFORE the build directory of an earlier tree, built the same way with
#              this bench/ folder: its figures are measured in the same run,
#              interleaved with ours, and shown beside them.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh

build="${BENCH_BUILD:-$build_bench}"
before="${BENCH_BEFORE:-}"
runs="${BENCH_RUNS:-20}"
repetitions="${BENCH_REPETITIONS:-10}"
targets=(core_bench view_bench first_paint_tolvarine first_paint_minimal first_paint_widgets
    startup_harness)

scripts/install-deps.sh build quality
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DTOLVARINE_BENCH=ON -DBUILD_TESTING=OFF \
    "${launcher[@]}" >/dev/null
cmake --build "$build" -j"$jobs" --target "${targets[@]}" >/dev/null
if [ -n "$before" ]; then
    cmake --build "$before" -j"$jobs" --target core_bench view_bench first_paint_tolvarine >/dev/null
fi

results="$build/bench-results"
rm -rf "$results"
mkdir -p "$results"
export QT_QPA_PLATFORM=offscreen

# Each round runs every Google Benchmark once on each side, the sides in turn
# forwards and backwards, so that the machine's load weighs on both alike;
# the CSV of each run is kept, its report (errors included) logged.
sides=(after)
[ -n "$before" ] && sides+=(before)
echo "Google Benchmark: $repetitions rounds of ${sides[*]}"
for ((round = 1; round <= repetitions; round++)); do
    order=("${sides[@]}")
    [ $((round % 2)) -eq 0 ] && [ -n "$before" ] && order=(before after)
    for side in "${order[@]}"; do
        dir="$build"
        [ "$side" = before ] && dir="$before"
        for bench in core_bench view_bench; do
            "$dir/bench/$bench" --benchmark_out="$results/$bench-$side-$round.csv" \
                --benchmark_out_format=csv >>"$results/$bench-$side.log" 2>&1
        done
    done
done

programs=("minimal=$build/bench/first_paint_minimal" "tolvarine=$build/bench/first_paint_tolvarine"
    "widgets=$build/bench/first_paint_widgets")
[ -n "$before" ] && programs+=("before=$before/bench/first_paint_tolvarine")
"$build/bench/startup_harness" "$runs" "${programs[@]}" | tee "$results/startup.txt"

# The CPU time of a benchmark over the rounds, in microseconds: "median +-
# standard deviation", or with `median` the median alone.
cpuOf() { # side benchmark [median]
    cat "$results"/*_bench-"$1"-*.csv | awk -F, -v name="\"$2\"" '$1 == name {
        print $4 * (($5 == "ns") ? 0.001 : ($5 == "ms") ? 1000 : 1) }' | sort -g |
        awk -v only="${3:-}" '
            { x[++n] = $1; sum += $1 }
            END {
                if (n == 0) { printf "?"; exit }
                median = (n % 2) ? x[(n + 1) / 2] : (x[n / 2] + x[n / 2 + 1]) / 2
                for (i = 1; i <= n; ++i) square += (x[i] - sum / n) ^ 2
                if (only == "median") printf "%.3f", median
                else printf "%.3f us +- %.3f", median, (n > 1) ? sqrt(square / (n - 1)) : 0 }'
}
cpuCell() { cpuOf "$1" "$2"; }

# A start-up measure of a program: its ratio to the minimal window, or a cell
# with the ratio, its median and range, and the minimal window's median.
startup() { # program measure column
    awk -v p="$1" -v m="$2" -v c="$3" '$1 == p && $2 == m { print $c }' "$results/startup.txt"
}
ratioCell() { # program measure scale unit
    awk -v p="$1" -v m="$2" -v s="$3" -v u="$4" '
        $2 == m && $1 == "minimal" { base = $3 / s }
        $2 == m && $1 == p { ratio = $6; median = $3 / s; low = $4 / s; high = $5 / s }
        END { printf "%.3fx %.1f [%.1f-%.1f] vs %.1f %s", ratio, median, low, high, base, u }' \
        "$results/startup.txt"
}

holds() { awk -v value="$1" -v limit="$2" 'BEGIN { print (value + 0 <= limit + 0) ? "yes" : "NO" }'; }

columns='%-40s %-38s %-38s %-7s %s\n'
row() { # measure after before target holds
    if [ -n "$before" ]; then
        printf "$columns" "$1" "$3" "$2" "$4" "$5"
    else
        printf '%-40s %-38s %-7s %s\n' "$1" "$2" "$4" "$5"
    fi
}
gbRow() { # label benchmark target-us
    local verdict=-
    [ "$3" != - ] && verdict=$(holds "$(cpuOf after "$2" median)" "$3")
    local target=-
    [ "$3" != - ] && target="$3 us"
    row "$1" "$(cpuCell after "$2")" "$([ -n "$before" ] && cpuCell before "$2")" "$target" "$verdict"
}
startupRow() { # label measure scale unit target-ratio
    local verdict=-
    [ "$5" != - ] && verdict=$(holds "$(startup tolvarine "$2" 6)" "$5")
    local target=-
    [ "$5" != - ] && target="${5}x"
    row "$1" "$(ratioCell tolvarine "$2" "$3" "$4")" \
        "$([ -n "$before" ] && ratioCell before "$2" "$3" "$4")" "$target" "$verdict"
}

echo
if [ -n "$before" ]; then
    printf "$columns" "measure (CPU time unless told)" "before" "after" "target" "holds"
else
    printf '%-40s %-38s %-7s %s\n' "measure (CPU time unless told)" "value (median, spread)" \
        "target" "holds"
fi
gbRow "Recalculate, four capacitances" BM_Recalculate 1.6
gbRow "TextToDouble with IsNumber" BM_TextToDouble -
gbRow "DoubleToText" BM_DoubleToText -
gbRow "keystroke through the model" BM_KeystrokeModel -
gbRow "keystroke through the Qt window" BM_KeystrokeQtWindow -
gbRow "keystroke through the Qt window, painted" BM_KeystrokeQtWindowPainted 80
gbRow "rating panel's first opening, painted" BM_RatingPanelFirstOpening/iterations:20 16000
# The design search: the whole search, and its growth with the series (over
# 1 pF to 10 mF) and with the range (E24, from 1 pF).
gbRow "design search, E24, 1-4 parts, 1pF-10mF" BM_DesignSearch 20000
gbRow "  the same at 3.4 kV DC, partly rated" BM_DesignSearchPartlyRated 20000
gbRow "  the same for E3" BM_DesignSearchSeries/0 -
gbRow "  the same for E6" BM_DesignSearchSeries/1 -
gbRow "  the same for E12" BM_DesignSearchSeries/2 -
gbRow "  E24 from 1 pF to 10 nF" BM_DesignSearchDecades/4 -
gbRow "  E24 from 1 pF to 1 uF" BM_DesignSearchDecades/6 -
gbRow "  E24 from 1 pF to 100 uF" BM_DesignSearchDecades/8 -
gbRow "keystroke into the design part's target" BM_DesignKeystroke 20000
# The renders of the window per keystroke, from the benchmark's label.
rendersOf() { # side
    cat "$results"/view_bench-"$1"-*.csv 2>/dev/null | awk -F, '
        $1 == "\"BM_KeystrokeQtWindow\"" && match($0, /renders=[0-9.]+/) {
            value = substr($0, RSTART + 8, RLENGTH - 8) }
        END { printf "%s", (value == "") ? "?" : sprintf("%.2f", value) }'
}
renders=$(rendersOf after)
row "renders of the window per keystroke" "$renders" "$([ -n "$before" ] && rendersOf before)" \
    1 "$(holds "${renders/\?/9}" 1)"
startupRow "start-up to first paint vs minimal" first-paint-cpu-ms 1 ms 1.08
startupRow "  the same, wall time" first-paint-wall-ms 1 ms -
startupRow "whole run, user + system, vs minimal" run-cpu-ms 1 ms -
startupRow "peak memory (max RSS) vs minimal" peak-rss-kib 1024 MiB 1.06
# The same two against the yardstick of the window's stock widgets alone:
# what they cost over the minimal window, and what the program adds to them.
overWidgets() { # measure
    awk -v m="$1" '$2 == m && $1 == "widgets" { w = $3 } $2 == m && $1 == "tolvarine" { t = $3 }
        END { printf "%.3fx", (w > 0) ? t / w : 0 }' "$results/startup.txt"
}
row "  stock widgets alone, first paint" "$(ratioCell widgets first-paint-cpu-ms 1 ms)" "" - -
row "  stock widgets alone, peak memory" "$(ratioCell widgets peak-rss-kib 1024 MiB)" "" - -
row "  the program over them, first paint" "$(overWidgets first-paint-cpu-ms)" "" - -
row "  the program over them, peak memory" "$(overWidgets peak-rss-kib)" "" - -
echo "spread: +- the standard deviation of the benchmark runs; [the range of the start-up runs]"
echo "reports: $results"
