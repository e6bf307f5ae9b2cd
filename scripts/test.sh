#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds everything and runs every test: once in a debug build, then once more
# under AddressSanitizer and UndefinedBehaviorSanitizer with leaks checked.
# The last line sums up both runs: "N passed, N failed".
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh build package test

passed=0
failed=0
# Runs the tests of a build folder and adds them to the counts. A skipped
# test counts as neither passed nor failed.
run_tests() {
    local build=$1 report=$PWD/$1/junit.xml
    rm -f "$report"
    ctest --test-dir "$build" --output-on-failure -j"$(nproc)" --output-junit "$report" ||
        true
    local counts
    counts=$(tr '\n\t' '  ' 2>/dev/null <"$report" | grep -o -m1 '<testsuite [^>]*>') || counts=
    count() { sed -E "s/.* $1=\"([0-9]+)\".*/\1/" <<<"$counts"; }
    # No report: ctest could not run the tests, which counts as one failure.
    local tests=0 failures=1 skipped=0 disabled=0
    if [ -n "$counts" ]; then
        tests=$(count tests) failures=$(count failures)
        skipped=$(count skipped) disabled=$(count disabled)
    fi
    passed=$((passed + tests - failures - skipped - disabled))
    failed=$((failed + failures))
}

echo "=== Testing the debug build (build/debug)"
cmake -S . -B build/debug -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON >/dev/null
cmake --build build/debug -j"$(nproc)"
run_tests build/debug

# The fuzz corpora are replayed in both builds. Leaks inside system libraries
# (D-Bus) are suppressed by tests/lsan.supp.
echo "=== Testing the sanitizer build, ASan and UBSan (build/asan)"
cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON \
    -DTOLVARINE_SANITIZE=ON >/dev/null
cmake --build build/asan -j"$(nproc)"
ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp" \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 run_tests build/asan

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
