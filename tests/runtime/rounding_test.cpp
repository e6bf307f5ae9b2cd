// SPDX-License-Identifier: GPL-3.0-or-later
// RoundDecimals: half to even, negative values, large values, non-finite input.

#include "conversions.h"
#include "runtime_error.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfenv>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <stdexcept>
#include <vector>

namespace {

struct RoundCase {
    double x;
    int decimals;
    double expected;
};

std::uint64_t Bits(double x) {
    return std::bit_cast<std::uint64_t>(x);
}

TEST(RoundDecimalsTest, Examples) {
    const double twoTo52 = 4503599627370496.0;
    const std::vector<RoundCase> cases = {
        // Halves go to the even digit.
        {0.0025, 3, 0.002},
        {0.0035, 3, 0.004},
        {2.5, 0, 2.0},
        {3.5, 0, 4.0},
        {0.5, 0, 0.0},
        {1.5, 0, 2.0},
        {-2.5, 0, -2.0},
        {-3.5, 0, -4.0},
        {-0.0025, 3, -0.002},
        {-0.0035, 3, -0.004},
        {0.125, 2, 0.12},
        {0.375, 2, 0.38},
        // Ordinary rounding.
        {4699.99999999999, 3, 4700.0},
        {1.0 / 3, 3, 0.333},
        {158.1249999, 3, 158.125},
        {1234.5678, 2, 1234.57},
        {-1234.5678, 2, -1234.57},
        {0.00025, 3, 0.0},
        {0.0004, 3, 0.0},
        {-0.0004, 3, -0.0},
        {0.0006, 3, 0.001},
        {0.0, 3, 0.0},
        {-0.0, 3, -0.0},
        {5e-324, 3, 0.0},
        {123456.7894, 3, 123456.789},
        // Too large to carry decimals: unchanged, exactly.
        {1e306, 3, 1e306},
        {1e300, 3, 1e300},
        {-1e300, 3, -1e300},
        {DBL_MAX, 3, DBL_MAX},
        {-DBL_MAX, 3, -DBL_MAX},
        {twoTo52, 0, twoTo52},
        {twoTo52 / 1000 + 0.0625, 3, twoTo52 / 1000 + 0.0625},
        {1e15 + 0.5, 0, 1e15},
        {1e15 + 1.5, 0, 1e15 + 2},
        {1.5, 400, 1.5},
    };
    for (const RoundCase &c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << " to " << c.decimals << " decimals");
        const double actual = runtime::RoundDecimals(c.x, c.decimals);
        EXPECT_EQ(Bits(actual), Bits(c.expected)) << actual << " vs " << c.expected;
    }
}

// Below 2^52 the result is nearbyint(x * 1000) / 1000 in the default rounding
// mode; above it x itself. It never raises for a finite x.
TEST(RoundDecimalsTest, MatchesNearbyintOnRandomValues) {
    ASSERT_EQ(std::fegetround(), FE_TONEAREST);
    std::mt19937_64 random(7);
    int rounded = 0;
    for (int i = 0; i < 20000; ++i) {
        double x = std::bit_cast<double>(random());
        if (!std::isfinite(x)) {
            continue;
        }
        if (i % 2 == 0) {
            // Values of everyday size, with halves now and then.
            x = static_cast<double>(static_cast<std::int64_t>(random() % 2000000001) - 1000000000) /
                (i % 4 == 0 ? 2000.0 : 1024.0);
        }
        const double scaled = x * 1000;
        const double expected =
            std::fabs(scaled) < 4503599627370496.0 ? std::nearbyint(scaled) / 1000 : x;
        double actual = 0;
        ASSERT_NO_THROW(actual = runtime::RoundDecimals(x, 3)) << x;
        ASSERT_EQ(Bits(actual), Bits(expected)) << x;
        ++rounded;
    }
    EXPECT_GT(rounded, 15000);
}

TEST(RoundDecimalsTest, NonFiniteRaises) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        double x;
        runtime::ErrorKind kind;
    };
    for (const Case &c :
         {Case{inf, runtime::ErrorKind::Overflow}, Case{-inf, runtime::ErrorKind::Overflow},
          Case{nan, runtime::ErrorKind::InvalidOperation}}) {
        try {
            runtime::RoundDecimals(c.x, 3);
            ADD_FAILURE() << "no error for " << c.x;
        } catch (const runtime::RuntimeError &error) {
            EXPECT_EQ(error.kind(), c.kind) << c.x;
        }
    }
}

TEST(RoundDecimalsTest, NegativeDecimalsAreRefused) {
    EXPECT_THROW(runtime::RoundDecimals(1250.0, -2), std::invalid_argument);
}

} // namespace
