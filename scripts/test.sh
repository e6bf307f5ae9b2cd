#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds everything and runs every test: once in a debug build, then once more
# under AddressSanitizer and UndefinedBehaviorSanitizer with leaks checked.
# The last line sums up both runs: "N passed, N failed".
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh
scripts/install-deps.sh build package test

echo "=== Testing the debug build ($build_debug)"
cmake -S . -B "$build_debug" -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON >/dev/null
cmake --build "$build_debug" -j"$jobs"
run_tests "$build_debug"

# The fuzz corpora are replayed in both builds. Leaks inside system libraries
# (D-Bus) are suppressed by tests/lsan.supp.
echo "=== Testing the sanitizer build, ASan and UBSan ($build_asan)"
cmake -S . -B "$build_asan" -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON \
    -DTOLVARINE_SANITIZE=ON >/dev/null
cmake --build "$build_asan" -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp" \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 run_tests "$build_asan"

report_counts
