# SPDX-License-Identifier: GPL-3.0-or-later
# Build options for the quality checks: sanitizers, coverage, fuzzing and
# benchmarks. Each applies to every target of the project, so the libraries
# under test carry the same instrumentation as the programs that drive them.

option(TOLVARINE_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(TOLVARINE_COVERAGE "Build with gcov line and branch coverage" OFF)
option(TOLVARINE_FUZZ "Build the libFuzzer targets (needs clang)" OFF)
option(TOLVARINE_BENCH "Build the benchmarks" OFF)

if(TOLVARINE_SANITIZE OR TOLVARINE_FUZZ)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                        -fno-omit-frame-pointer -g)
    add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
endif()

if(TOLVARINE_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "TOLVARINE_FUZZ needs clang (libFuzzer): set CMAKE_CXX_COMPILER=clang++")
    endif()
    # Coverage feedback for the fuzzer from every library; the fuzz targets
    # themselves link libFuzzer's main.
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()

if(TOLVARINE_COVERAGE)
    add_compile_options(--coverage -O0 -g)
    add_link_options(--coverage)
endif()
