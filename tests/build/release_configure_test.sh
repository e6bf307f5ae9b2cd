#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A release configure needs only the compiler, CMake and Qt: with the tests
# off and GoogleTest, Qt Test and Google Benchmark hidden, configuring
# succeeds and none of them is even looked for.
# Usage: release_configure_test.sh SOURCE_DIR CMAKE
set -euo pipefail
source_dir=$1
cmake=${2:-cmake}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if ! "$cmake" -S "$source_dir" -B "$work/build" -DCMAKE_BUILD_TYPE=Release \
    -DBUILD_TESTING=OFF \
    -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON \
    -DCMAKE_DISABLE_FIND_PACKAGE_Qt6Test=ON \
    -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON \
    --trace-expand --trace-redirect="$work/trace.txt" >"$work/configure.log" 2>&1; then
    echo "release configure failed:" >&2
    cat "$work/configure.log" >&2
    exit 1
fi

# A find_package call, not a variable name such as CPack's list of them.
if grep -nE 'find_package\((GTest|benchmark|Qt6Test)\b' "$work/trace.txt" >&2; then
    echo "a test package is looked for in a release configure" >&2
    exit 1
fi
echo "release configure needs no test package"
