// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

namespace fuzz {

// Ends the run so that the fuzzer records the input as a crash; `what` is the
// property that failed.
[[noreturn]] inline void Fail(const std::string &what) {
    std::fprintf(stderr, "property violated: %s\n", what.c_str());
    std::fflush(stderr);
    std::abort();
}

inline void Require(const std::string &problem) {
    if (!problem.empty())
        Fail(problem);
}

} // namespace fuzz
