#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Tolvarine for Windows on Debian 12 and tests it under Wine:
#   scripts/windows.sh [--no-tests]
# Installs the packages it needs with apt, builds a static Qt for Windows
# once into the user's cache folder (about half an hour the first time; with
# the cache there nothing is fetched), then cross-builds into build/windows:
#   app/Tolvarine.exe                 the program, one file
#   Tolvarine-<version>-setup.exe     its installer
#   Tolvarine-<version>-win64.zip     the program for portable use
# and runs the Windows tests under Wine and a virtual X server, ending with
# one line: "N passed, N failed". Then it measures the start-up under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh
tests=ON
[ "${1:-}" = --no-tests ] && tests=OFF

scripts/install-deps.sh windows
qt=$(scripts/windows/qt.sh | tail -n 1)

build=$build_windows
echo "=== Building for Windows ($build)"
# Qt's toolchain file loads the MinGW one kept beside the Qt it built. A build
# configured with another Qt (an older cache folder) is configured afresh.
toolchain=$qt/lib/cmake/Qt6/qt.toolchain.cmake
fresh=()
grep -qsx "CMAKE_TOOLCHAIN_FILE:[A-Z]*=$toolchain" "$build/CMakeCache.txt" ||
    [ ! -f "$build/CMakeCache.txt" ] || fresh=(--fresh)
cmake "${fresh[@]}" -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$(dirname "$qt")/toolchain.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=$tests -DTOLVARINE_BENCH=$tests >/dev/null
cmake --build "$build" --parallel "$jobs"
(cd "$build" && for file in app/Tolvarine.exe Tolvarine-*-setup.exe Tolvarine-*-win64.zip; do
    printf '%-28s %9d bytes\n' "$file" "$(stat -c %s "$file")"
done)
[ "$tests" = ON ] || exit 0

echo "=== Testing the Windows build under Wine"
run_tests "$build"

echo "=== Start-up under Wine (a measure, not a test)"
scripts/windows/startup.sh "$build" || echo "(the start-up could not be measured)"

report_counts
