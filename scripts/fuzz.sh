#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for a fixed time.
#
#   scripts/fuzz.sh [seconds per target]      (default 60; or FUZZ_SECONDS)
#   FUZZ_TARGETS=form scripts/fuzz.sh 3600    (one target only)
#
# Each target starts from its committed seed corpus (fuzz/corpus/<target>) and
# keeps what it finds in build/fuzz/corpus/<target>. A crash is written to
# build/fuzz/crashes/<target>/; to keep it as a regression test, copy it into
# fuzz/corpus/<target>/, where the test suite replays it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh

seconds="${1:-${FUZZ_SECONDS:-60}}"
build=$build_fuzz
read -ra targets <<<"${FUZZ_TARGETS:-conversions form}"

scripts/install-deps.sh build quality
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DTOLVARINE_FUZZ=ON \
    -DTOLVARINE_GUI=OFF -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" -j"$jobs" --target "${targets[@]/%/_fuzzer}"

status=0
summary=()
for target in "${targets[@]}"; do
    corpus="$build/corpus/$target"
    crashes="$build/crashes/$target"
    log="$build/$target.log"
    mkdir -p "$corpus" "$crashes"
    echo "== $target: ${seconds} s"
    set +e
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
        "$build/fuzz/${target}_fuzzer" "$corpus" "fuzz/corpus/$target" \
        -max_total_time="$seconds" -artifact_prefix="$crashes/" -print_final_stats=1 \
        >"$log" 2>&1
    rc=$?
    set -e
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || true)
    actions=$(grep -o 'form actions performed: [0-9]*' "$log" | grep -o '[0-9]*$' || true)
    found=$(find "$crashes" -type f | wc -l)
    if [ "$rc" -ne 0 ]; then
        status=1
        grep -E 'property violated|ERROR: |SUMMARY: ' "$log" | head -5 || true
    fi
    summary+=("$(printf '%-12s %12s executions %12s actions %3s crash files  (exit %s)' \
        "$target" "${runs:-?}" "${actions:--}" "$found" "$rc")")
done

echo
echo "target       executions           user actions         crashes"
printf '%s\n' "${summary[@]}"
echo "logs in $build/*.log, crashes in $build/crashes/"
exit "$status"
