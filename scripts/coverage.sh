#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Line and branch coverage of the core (runtime/, calc/ and window/ without its
# Qt view) by the test suite, built with --coverage in build/cov. Writes an
# HTML report (build/coverage/index.html) and a text summary
# (build/coverage/summary.txt), and prints the summary.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build/cov
report=build/coverage

scripts/install-deps.sh build quality
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON \
    -DTOLVARINE_COVERAGE=ON -DTOLVARINE_GUI=OFF >/dev/null
cmake --build "$build" -j2
find "$build" -name '*.gcda' -delete
ctest --test-dir "$build" --output-on-failure -j2 >/dev/null

rm -rf "$report"
mkdir -p "$report"
core=(--filter 'runtime/' --filter 'calc/' --filter 'window/[^/]*$')
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
