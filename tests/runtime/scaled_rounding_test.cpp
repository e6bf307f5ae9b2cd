// SPDX-License-Identifier: GPL-3.0-or-later
// RoundScaledDecimals: the written value moved to another unit in decimal,
// then rounded half to even.
#include "conversions.h"
#include "runtime_error.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>
#include <optional>

namespace {

struct ScaledCase {
    const char *name;
    double x;
    int powerOfTen;
    int decimals;
    std::optional<double> expected; // nothing: raises the error below
    runtime::ErrorKind error = runtime::ErrorKind::Overflow;
};

void PrintTo(const ScaledCase &c, std::ostream *os) {
    *os << c.name;
}

class RoundScaledDecimalsTest : public testing::TestWithParam<ScaledCase> {};

TEST_P(RoundScaledDecimalsTest, RoundsTheWrittenDecimal) {
    const ScaledCase &c = GetParam();
    if (c.expected) {
        const double actual = runtime::RoundScaledDecimals(c.x, c.powerOfTen, c.decimals);
        EXPECT_EQ(std::bit_cast<std::uint64_t>(actual), std::bit_cast<std::uint64_t>(*c.expected))
            << actual << " instead of " << *c.expected;
        return;
    }
    try {
        runtime::RoundScaledDecimals(c.x, c.powerOfTen, c.decimals);
        ADD_FAILURE() << "no error raised";
    } catch (const runtime::RuntimeError &error) {
        EXPECT_EQ(error.kind(), c.error);
    }
}

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Cases, RoundScaledDecimalsTest,
    testing::Values(
        ScaledCase{"HalfMicrovoltAfterOne", 1.0005e-6, 6, 3, 1.0},
        ScaledCase{"HalfThousandthOfMicrovolt", 0.0005e-6, 6, 3, 0.0},
        ScaledCase{"HalfMillivoltAfterOne", 1.0005e-3, 3, 3, 1.0},
        ScaledCase{"HalfToEvenTwo", 2.0025e-3, 3, 3, 2.002},
        ScaledCase{"HalfToEvenInVolts", 1.2345, 0, 3, 1.234},
        ScaledCase{"HalfUpToEven", 0.0015, 0, 3, 0.002},
        ScaledCase{"NoDecimalsHalfDown", 2.5e-3, 3, 0, 2.0},
        ScaledCase{"NoDecimalsHalfUp", 3.5e-3, 3, 0, 4.0},
        ScaledCase{"MoreThanHalf", 1.00051e-6, 6, 3, 1.001},
        ScaledCase{"Kilovolts", 1234.5, -3, 3, 1.234},
        ScaledCase{"CarryIntoNewDigit", 0.9995, 0, 3, 1.0},
        ScaledCase{"CarryAcrossNines", 1999.9996, -3, 3, 2.0},
        ScaledCase{"FifteenDigitsFirst", 0.1 + 0.2, 0, 3, 0.3},
        ScaledCase{"NegativeHalfToEven", -2.0025e-3, 3, 3, -2.002},
        ScaledCase{"NegativeToZeroKeepsSign", -0.0004, 0, 3, -0.0},
        ScaledCase{"FarBelowTheLastDecimal", 1e-300, 6, 3, 0.0}, ScaledCase{"Zero", 0.0, 6, 3, 0.0},
        ScaledCase{"LargeUnchanged", 1e20, 0, 3, 1e20},
        ScaledCase{"LargeFifteenDigitsUnchanged", 9.87654321012345e17, 0, 3, 9.87654321012345e17},
        ScaledCase{"LargeScaled", 1.5e20, 6, 3, 1.5e26},
        ScaledCase{"ScaledBeyondTheRange", 1e308, 1, 3, std::nullopt},
        ScaledCase{"Infinity", kInf, 0, 3, std::nullopt},
        ScaledCase{"NotANumber", kNaN, 0, 3, std::nullopt, runtime::ErrorKind::InvalidOperation}),
    [](const testing::TestParamInfo<ScaledCase> &info) { return std::string(info.param.name); });

} // namespace
