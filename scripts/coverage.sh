#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Line and branch coverage of the core (runtime/, calc/ and window/ without its
# Qt view) by the test suite, built with --coverage in build/coverage. Writes
# an HTML report (build/coverage/report/index.html) and a text summary
# (build/coverage/report/summary.txt), and prints the summary.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh

build=$build_coverage
report=$build/report

scripts/install-deps.sh build quality
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON \
    -DTOLVARINE_COVERAGE=ON -DTOLVARINE_GUI=OFF >/dev/null
cmake --build "$build" -j"$jobs"
find "$build" -name '*.gcda' -delete
ctest --test-dir "$build" --output-on-failure -j"$jobs" >/dev/null

rm -rf "$report"
mkdir -p "$report"
core=(--filter 'runtime/' --filter 'calc/' --filter 'window/(form|input|rating|design|errors)/')
# Branches that only an exception unwinding or the compiler's own checks take
# are not behaviour of the program.
gcovr --root . --object-directory "$build" "${core[@]}" \
    --exclude-throw-branches --exclude-unreachable-branches \
    --html-details "$report/index.html" --html-title "Tolvarine core coverage" \
    --txt "$report/lines.txt" --print-summary >"$report/summary.txt"
gcovr --root . --object-directory "$build" "${core[@]}" \
    --exclude-throw-branches --exclude-unreachable-branches \
    --branches --txt "$report/branches.txt"
cat "$report/summary.txt"
echo "Per file: $report/lines.txt and $report/branches.txt; HTML: $report/index.html"
