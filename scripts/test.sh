#!/usr/bin/env bash
# Builds everything and runs every test: once in a debug build, then once more
# under AddressSanitizer and UndefinedBehaviorSanitizer with leaks checked.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build/debug -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON >/dev/null
cmake --build build/debug -j"$(nproc)"
ctest --test-dir build/debug --output-on-failure -j"$(nproc)"

# The fuzz corpora are replayed in both builds. Leaks inside system libraries
# (D-Bus) are suppressed by tests/lsan.supp.
cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON \
    -DTOLVARINE_SANITIZE=ON >/dev/null
cmake --build build/asan -j"$(nproc)"
ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp" \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build/asan --output-on-failure -j"$(nproc)"
