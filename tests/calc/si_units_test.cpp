// The SI prefix table: ranging results and reading units.
#include "si_units.h"

#include <gtest/gtest.h>

#include <string>

namespace calc {
namespace {

struct RangeCase {
    const char *name;
    double value;
    const char *baseUnit;
    Ranged expected;
};

void PrintTo(const RangeCase &c, std::ostream *os) {
    *os << c.name;
}

const RangeCase kRanges[] = {
    {"WorstCaseVolts", 126.5, "V", {126.5, "V"}},
    {"PeakVoltsThreeDecimals", 178.89801564019281, "V", {178.898, "V"}},
    {"NegativeHeadroom", -18.89801564019281, "V", {-18.898, "V"}},
    {"NanofaradsFromFarads", 50e-9, "F", {50, "nF"}},
    {"MicrocoulombsInLatinU", 11.5e-6, "C", {11.5, "uC"}},
    {"Kiloohms", 63661.977236758, "Ω", {63.662, "kΩ"}},
    {"Milliamperes", 3.6128315516282616e-3, "A", {3.613, "mA"}},
    {"ZeroKeepsTheBaseUnit", 0, "J", {0, "J"}},
    {"RoundingTo1000MovesOn", 999.9996, "V", {1, "kV"}},
    {"BelowTheSmallestPrefix", 1e-15, "F", {0.001, "pF"}},
    {"AboveTheLargestPrefix", 5e12, "Ω", {5000, "GΩ"}},
};

class SiRanging : public ::testing::TestWithParam<RangeCase> {};

TEST_P(SiRanging, ChoosesThePrefixAndRoundsToThreeDecimals) {
    const RangeCase &c = GetParam();
    const Ranged ranged = RangeSi(c.value, c.baseUnit);
    EXPECT_DOUBLE_EQ(ranged.value, c.expected.value);
    EXPECT_EQ(ranged.unit, c.expected.unit);
}

INSTANTIATE_TEST_SUITE_P(Table, SiRanging, ::testing::ValuesIn(kRanges),
                         [](const auto &info) { return std::string(info.param.name); });

struct UnitCase {
    double value;
    const char *unit;
    double base;
};

class SiUnits : public ::testing::TestWithParam<UnitCase> {};

// The rated voltage in each unit of its list, and the capacitance units.
TEST_P(SiUnits, ReadsAValueInItsUnitInTheBaseUnit) {
    const UnitCase &c = GetParam();
    EXPECT_DOUBLE_EQ(ToBaseUnit(c.value, c.unit), c.base) << c.value << " " << c.unit;
}

INSTANTIATE_TEST_SUITE_P(Table, SiUnits,
                         ::testing::Values(UnitCase{160e6, "uV", 160}, UnitCase{160e3, "mV", 160},
                                           UnitCase{160, "V", 160}, UnitCase{0.16, "kV", 160},
                                           UnitCase{100, "pF", 100e-12},
                                           UnitCase{4.7, "nF", 4.7e-9}, UnitCase{2.2, "uF", 2.2e-6},
                                           UnitCase{7, "", 7}),
                         [](const auto &info) {
                             return std::string(info.param.unit[0] ? info.param.unit : "None");
                         });

} // namespace
} // namespace calc
