// SPDX-License-Identifier: GPL-3.0-or-later
// The series arithmetic on values: units to base units, the partial sum of
// reciprocals cut to 15 digits, and the errors that checked steps raise.
#include "param_name.h"
#include "runtime_error.h"
#include "series.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <ostream>
#include <string>

namespace calc {
namespace {

struct UnitCase {
    double value;
    const char *unit;
    double picofarads; // ToPicofarads, for a capacitance unit
    double volts;      // ToVolts, for a voltage unit
};

void PrintTo(const UnitCase &c, std::ostream *out) {
    *out << c.value << " " << c.unit;
}

// An unknown unit counts as the first one that the window lists as a default:
// pF for a capacitance, kV for a voltage.
const UnitCase kUnitCases[] = {
    {4.7, "pF", 4.7, 4700}, {4.7, "nF", 4700, 4700}, {4.7, "uF", 4700000, 4700},
    {3, "uV", 3, 0.000003}, {3, "mV", 3, 0.003},     {3, "V", 3, 3},
    {3, "kV", 3, 3000},     {3, "", 3, 3000},        {3, "nf", 3, 3000},
};

class UnitTest : public ::testing::TestWithParam<UnitCase> {};

TEST_P(UnitTest, ScalesToTheBaseUnit) {
    const UnitCase &c = GetParam();
    EXPECT_DOUBLE_EQ(ToPicofarads(c.value, c.unit), c.picofarads);
    EXPECT_DOUBLE_EQ(ToVolts(c.value, c.unit), c.volts);
}

INSTANTIATE_TEST_SUITE_P(Table, UnitTest, ::testing::ValuesIn(kUnitCases), [](const auto &info) {
    return test_support::ParamName(info.param.unit) + "_" + std::to_string(info.index);
});

TEST(Series, PartialSumIsCutTo15SignificantDigits) {
    const runtime::NumberFormat ro{",", "."};
    EXPECT_EQ(AddReciprocal(0, 10000, ro).text, "0,0001");
    const runtime::WrittenNumber sum = AddReciprocal(0.0001, 22000, ro);
    EXPECT_EQ(sum.text, "0,000145454545454545");
    EXPECT_EQ(sum.value, runtime::TextToDouble(sum.text, ro));
    EXPECT_DOUBLE_EQ(VoltageAcross(230, 6875, 10000), 158.125);
}

TEST(Series, StepsOutOfRangeRaise) {
    EXPECT_THROW(ToPicofarads(DBL_MAX, "uF"), runtime::RuntimeError);
    EXPECT_THROW(ToVolts(DBL_MAX, "kV"), runtime::RuntimeError);
    EXPECT_THROW(Reciprocal(0), runtime::RuntimeError);
    EXPECT_THROW(AddReciprocal(0, 4e-320, {}), runtime::RuntimeError);
}

} // namespace
} // namespace calc
