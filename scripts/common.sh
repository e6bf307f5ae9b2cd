# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash disable=SC2034 # the scripts that source it use these
# Sourced by the scripts in this folder and in windows/, from any folder:
# where each kind of build goes, how many jobs build and test at once, and
# how the tests' results are counted.

# One folder per kind of build, under build/.
build_release=build/release   # run.sh, and the Debian package (README)
build_debug=build/debug       # test.sh
build_asan=build/asan         # test.sh, under the sanitizers
build_bench=build/bench       # bench.sh
build_fuzz=build/fuzz         # fuzz.sh
build_coverage=build/coverage # coverage.sh, with its report in report/
build_windows=build/windows   # windows.sh, the Windows program and its tests

# Parallel jobs for the compiler, for CTest and for the static Qt of the
# Windows build: TOLVARINE_JOBS, or one per processor.
jobs=${TOLVARINE_JOBS:-$(nproc)}

# run_tests <build folder>: runs its tests and adds them to $passed and
# $failed. A skipped test counts as neither; no report at all (CTest could
# not run the tests) counts as one failure.
passed=0
failed=0
run_tests() {
    local build=$1 report
    report=$(cd "$build" && pwd)/junit.xml
    rm -f "$report"
    ctest --test-dir "$build" --output-on-failure -j"$jobs" --output-junit "$report" || true
    local counts
    counts=$(tr '\n\t' '  ' 2>/dev/null <"$report" | grep -o -m1 '<testsuite [^>]*>') || counts=
    count() { sed -E "s/.* $1=\"([0-9]+)\".*/\1/" <<<"$counts"; }
    local tests=0 failures=1 skipped=0 disabled=0
    if [ -n "$counts" ]; then
        tests=$(count tests) failures=$(count failures)
        skipped=$(count skipped) disabled=$(count disabled)
    fi
    passed=$((passed + tests - failures - skipped - disabled))
    failed=$((failed + failures))
}

# The last line of a test script, and its exit status.
report_counts() {
    echo "$passed passed, $failed failed"
    [ "$failed" -eq 0 ]
}
