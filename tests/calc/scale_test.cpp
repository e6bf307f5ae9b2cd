// SPDX-License-Identifier: GPL-3.0-or-later
// The ranging of results into readable units, run alone on values in the
// base unit.
#include "conversions.h"
#include "param_name.h"
#include "ranging.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace calc {
namespace {

struct RangeCase {
    const char *onEntry;
    const char *shown;
    const char *unit;
};

void PrintTo(const RangeCase &c, std::ostream *out) {
    *out << c.onEntry << " -> " << c.shown << " " << c.unit;
}

std::string NameOf(const ::testing::TestParamInfo<RangeCase> &info) {
    return "From" + test_support::ParamName(info.param.onEntry);
}

class CapacitanceRanging : public ::testing::TestWithParam<RangeCase> {};

TEST_P(CapacitanceRanging, RewritesPicofaradsInAReadableUnit) {
    const RangeCase &c = GetParam();
    const runtime::NumberFormat format;
    const Ranged ranged =
        RangeCapacitance({c.onEntry, runtime::TextToDouble(c.onEntry, format)}, format);
    EXPECT_EQ(ranged.text, c.shown);
    EXPECT_EQ(ranged.unit, c.unit);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CapacitanceRanging,
    ::testing::Values(RangeCase{"0", "0", "pF"}, RangeCase{"0.001", "0.001", "pF"},
                      RangeCase{"999.999", "999.999", "pF"}, RangeCase{"1000", "1", "nF"},
                      RangeCase{"4700", "4.7", "nF"}, RangeCase{"6875", "6.875", "nF"},
                      RangeCase{"999999", "999.999", "nF"}, RangeCase{"999999.6", "1", "uF"},
                      RangeCase{"1000000", "1", "uF"}, RangeCase{"1000000000", "1000", "uF"},
                      RangeCase{"1E+300", "1E+294", "uF"}),
    NameOf);

class VoltageRanging : public ::testing::TestWithParam<RangeCase> {};

TEST_P(VoltageRanging, RewritesVoltsInAReadableUnit) {
    const RangeCase &c = GetParam();
    const runtime::NumberFormat format;
    const Ranged ranged = RangeVoltage(runtime::TextToDouble(c.onEntry, format), format);
    EXPECT_EQ(ranged.text, c.shown);
    EXPECT_EQ(ranged.unit, c.unit);
}

INSTANTIATE_TEST_SUITE_P(
    Table, VoltageRanging,
    ::testing::Values(RangeCase{"0", "0", ""}, RangeCase{"0.001", "1", "mV"},
                      RangeCase{"0.999", "999", "mV"}, RangeCase{"1", "1", "V"},
                      RangeCase{"999.999", "999.999", "V"}, RangeCase{"1000", "1", "kV"},
                      RangeCase{"1000000", "1", "MV"}, RangeCase{"2500000", "2.5", "MV"},
                      // Three decimals of the unit shown, not of a volt.
                      RangeCase{"0.00025", "250", "uV"}, RangeCase{"0.0000004", "0.4", "uV"},
                      RangeCase{"0.333333333333333", "333.333", "mV"},
                      RangeCase{"158.125000000001", "158.125", "V"},
                      // A value that rounds to 1000 of its unit moves up.
                      RangeCase{"0.0009999996", "1", "mV"}, RangeCase{"0.9999996", "1", "V"},
                      RangeCase{"999.9996", "1", "kV"}, RangeCase{"999999.9996", "1", "MV"},
                      // Nothing above MV; nothing left below a thousandth of a uV.
                      RangeCase{"999999999.9996", "1000", "MV"},
                      RangeCase{"1E+300", "1E+294", "MV"}, RangeCase{"4E-10", "0", ""},
                      RangeCase{"1E-300", "0", ""},
                      // An exact half of the last decimal, in decimal, goes to even.
                      RangeCase{"1.0005E-06", "1", "uV"}, RangeCase{"5E-10", "0", ""},
                      RangeCase{"0.0010005", "1", "mV"}, RangeCase{"0.0020025", "2.002", "mV"},
                      RangeCase{"1.2345", "1.234", "V"}, RangeCase{"1002.5", "1.002", "kV"}),
    NameOf);

} // namespace
} // namespace calc
