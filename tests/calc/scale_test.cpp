// The ranging of results into readable units, run alone on texts in the base
// unit.
#include "form_driver.h"

#include <gtest/gtest.h>

namespace window {
namespace {

struct RangeCase {
    const char *onEntry;
    const char *shown;
    const char *unit;
};

class CapacitanceRanging : public ::testing::TestWithParam<RangeCase> {};

TEST_P(CapacitanceRanging, RewritesPicofaradsInAReadableUnit) {
    const RangeCase &c = GetParam();
    frmTolvarine form(runtime::EnglishFormat());
    form.txtCst.SetText(c.onEntry);
    form.lblUMs.SetCaption("stale");
    FormTestAccess::ScaleCapacitance(form);
    EXPECT_EQ(form.txtCst.Text(), c.shown);
    EXPECT_EQ(form.lblUMs.Caption(), c.unit);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CapacitanceRanging,
    ::testing::Values(RangeCase{"0", "0", "pF"}, RangeCase{"0.001", "0.001", "pF"},
                      RangeCase{"999.999", "999.999", "pF"}, RangeCase{"1000", "1", "nF"},
                      RangeCase{"4700", "4.7", "nF"}, RangeCase{"6875", "6.875", "nF"},
                      RangeCase{"999999", "999.999", "nF"}, RangeCase{"999999.6", "1", "uF"},
                      RangeCase{"1000000", "1", "uF"}, RangeCase{"1000000000", "1000", "uF"},
                      RangeCase{"1E+300", "1E+294", "uF"}));

class VoltageRanging : public ::testing::TestWithParam<RangeCase> {};

TEST_P(VoltageRanging, RewritesVoltsInAReadableUnitOnEveryCapacitor) {
    const RangeCase &c = GetParam();
    frmTolvarine form(runtime::EnglishFormat());
    for (auto &field : form.txtUs)
        field.SetText(c.onEntry);
    for (auto &field : form.txtUMUs)
        field.SetText("stale");
    FormTestAccess::ScaleVoltages(form);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(form.txtUs[k].Text(), c.shown) << "capacitor " << k + 1;
        EXPECT_EQ(form.txtUMUs[k].Text(), c.unit) << "capacitor " << k + 1;
    }
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
                      RangeCase{"1E-300", "0", ""}));

} // namespace
} // namespace window
