// RoundDecimals to tens, hundreds and beyond, where the value has no such
// digits left to round or the rounded value would leave the range.
#include "conversions.h"

#include <gtest/gtest.h>

#include <cfloat>

namespace runtime {
namespace {

struct NegativeDecimalsCase {
    double x;
    int decimals;
    double expected;
};

class NegativeDecimalsTest : public ::testing::TestWithParam<NegativeDecimalsCase> {};

TEST_P(NegativeDecimalsTest, Rounds) {
    EXPECT_EQ(RoundDecimals(GetParam().x, GetParam().decimals), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    CoverageGaps, NegativeDecimalsTest,
    ::testing::Values(
        // Beyond 2^52 hundreds there is nothing to round: the value comes back.
        NegativeDecimalsCase{1e300, -2, 1e300}, NegativeDecimalsCase{-1e300, -2, -1e300},
        NegativeDecimalsCase{4.5035996273704961e17, -2, 4.5035996273704961e17},
        // Rounding up would overflow: the value comes back unchanged.
        NegativeDecimalsCase{1.7e308, -308, 1.7e308}, NegativeDecimalsCase{DBL_MAX, -308, DBL_MAX},
        // Within range it rounds half to even as with decimals.
        NegativeDecimalsCase{1.2e308, -308, 1e308}, NegativeDecimalsCase{25.0, -1, 20.0},
        NegativeDecimalsCase{35.0, -1, 40.0}));

} // namespace
} // namespace runtime
