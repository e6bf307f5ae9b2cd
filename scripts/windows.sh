#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Tolvarine for Windows on Debian 12 and tests it under Wine:
#   scripts/windows.sh [--no-tests]
# Installs the packages it needs with apt, builds a static Qt for Windows
# once into the user's cache folder (about half an hour the first time),
# then cross-builds into build/windows:
#   build/windows/app/Tolvarine.exe            the program, one file
#   build/windows/Tolvarine-1.00-setup.exe     its installer
#   build/windows/Tolvarine-1.00-win64.zip     the program for portable use
# and runs the Windows tests under Wine and a virtual X server, ending with
# one line: "N passed, N failed". Then it measures the start-up under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
tests=ON
[ "${1:-}" = --no-tests ] && tests=OFF

scripts/install-deps.sh windows
qt=$(scripts/windows/qt.sh | tail -n 1)

build=build/windows
echo "=== Building for Windows ($build)"
# Qt's toolchain file loads the MinGW one kept beside the Qt it built.
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$(dirname "$qt")/toolchain.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=$tests -DTOLVARINE_BENCH=$tests >/dev/null
cmake --build "$build" --parallel "$(nproc)"
(cd "$build" && for file in app/Tolvarine.exe Tolvarine-*-setup.exe Tolvarine-*-win64.zip; do
    printf '%-28s %9d bytes\n' "$file" "$(stat -c %s "$file")"
done)
[ "$tests" = ON ] || exit 0

echo "=== Testing the Windows build under Wine"
report=$PWD/$build/junit.xml
rm -f "$report"
ctest --test-dir "$build" --output-on-failure -j"$(nproc)" --output-junit "$report" || true
counts=$(tr '\n\t' '  ' 2>/dev/null <"$report" | grep -o -m1 '<testsuite [^>]*>') || counts=
count() { sed -E "s/.* $1=\"([0-9]+)\".*/\1/" <<<"$counts"; }
# No report: ctest could not run the tests, which counts as one failure.
passed=0 failed=1
if [ -n "$counts" ]; then
    failed=$(count failures)
    passed=$(($(count tests) - failed - $(count skipped) - $(count disabled)))
fi

echo "=== Start-up under Wine (a measure, not a test)"
scripts/windows/startup.sh "$build" || echo "(the start-up could not be measured)"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
