# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash disable=SC2034 # the scripts that source it use these
# Sourced by the scripts in this folder, from the source folder: where each
# kind of build goes, and how many jobs build and test at once.

# One folder per kind of build, under build/.
build_release=build/release   # run.sh, and the Debian package (README)
build_debug=build/debug       # test.sh
build_asan=build/asan         # test.sh, under the sanitizers
build_bench=build/bench       # bench.sh
build_fuzz=build/fuzz         # fuzz.sh
build_coverage=build/coverage # coverage.sh, with its report in report/

# Parallel jobs for the compiler and for CTest: TOLVARINE_JOBS, or one per
# processor.
jobs=${TOLVARINE_JOBS:-$(nproc)}
