// Start-up, the reset button and the keyboard.
#include "form_driver.h"

#include <gtest/gtest.h>

namespace window {
namespace {

struct FieldsAfter {
    std::string capacitance, capacitanceUnit, voltage, voltageUnit, applied, appliedUnit;
    std::string equivalent, equivalentUnit;
};

void ExpectInputsAndResults(const frmTolvarine &form, const FieldsAfter &f) {
    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(form.txtCs[k].Text(), f.capacitance);
        EXPECT_EQ(form.cboCs[k].Text(), f.capacitanceUnit);
        EXPECT_EQ(form.cboCs[k].ListIndex(), 0);
        EXPECT_EQ(form.txtUs[k].Text(), f.voltage);
        EXPECT_EQ(form.txtUMUs[k].Text(), f.voltageUnit);
    }
    EXPECT_EQ(form.txtUst.Text(), f.applied);
    EXPECT_EQ(form.cboUst.Text(), f.appliedUnit);
    EXPECT_EQ(form.cboUst.ListIndex(), 2);
    EXPECT_EQ(form.txtCst.Text(), f.equivalent);
    EXPECT_EQ(form.lblUMs.Caption(), f.equivalentUnit);
    EXPECT_FALSE(form.txtCst.Shown());
    EXPECT_FALSE(form.lblUMs.Shown());
    EXPECT_FALSE(form.lblEticheteS[0].Shown());
    EXPECT_TRUE(form.lblEticheteS[3].Shown());
    EXPECT_FALSE(form.lblEroare.Shown());
}

const FieldsAfter kAfterLoad{"0", "pF", "0", "V", "0", "V", "", "pF"};
const FieldsAfter kAfterReset{"0", "pF", "0", "", "0", "V", "0", ""};

TEST(StartUp, LoadRunsBeforeShowingAndSetsEveryField) {
    frmTolvarine form(runtime::EnglishFormat());
    std::size_t runsWhenShown = 0;
    form.Start([&] { runsWhenShown = form.RecalculateRuns(); });
    // Once inside each of the five list assignments, then once at the end.
    EXPECT_EQ(runsWhenShown, 6u);
    EXPECT_EQ(form.RecalculateRuns(), 6u);
    ExpectInputsAndResults(form, kAfterLoad);
}

TEST(StartUp, LoadDeliversNotificationsInTheOrderOfItsAssignments) {
    frmTolvarine form(runtime::EnglishFormat());
    DeliveryLog log(form);
    form.Start({});
    std::vector<ControlId> handled;
    for (const auto &entry : log.entries)
        if (entry.notification == Notification::Click)
            handled.push_back(entry.id);
    const std::vector<ControlId> expected = {CsUnit(0), CsUnit(1), CsUnit(2), CsUnit(3), UstUnit};
    EXPECT_EQ(handled, expected);
    ASSERT_FALSE(log.entries.empty());
    EXPECT_EQ(log.entries.front().id.control, Control::frmTolvarine);
    EXPECT_EQ(log.entries.front().notification, Notification::Load);
}

TEST(Reset, RestoresEveryInputAndLeavesVoltagesWithoutUnit) {
    for (const bool withValues : {false, true}) {
        SCOPED_TRACE(withValues);
        frmTolvarine form(runtime::RomanianFormat());
        form.Start({});
        if (withValues) {
            Choose(form, CsUnit(0), "uF");
            Type(form, Cs(0), "4,7");
            Type(form, Cs(3), "22");
            Choose(form, UstUnit, "kV");
            Type(form, Ust, "1,5");
            Type(form, Cs(1), "9e307"); // an error shown before the reset
            Choose(form, CsUnit(1), "uF");
            ASSERT_TRUE(form.lblEroare.Shown());
        }
        form.UserClick({Control::cmdClear, 0});
        ExpectInputsAndResults(form, kAfterReset);
    }
}

TEST(Reset, FirstNonZeroCapacitanceShowsTheEquivalentAgain) {
    frmTolvarine form(runtime::EnglishFormat());
    form.Start({});
    form.UserClick({Control::cmdClear, 0});
    Type(form, Cs(1), "33");
    EXPECT_TRUE(form.txtCst.Shown());
    EXPECT_TRUE(form.lblUMs.Shown());
    EXPECT_TRUE(form.lblEticheteS[0].Shown());
    EXPECT_EQ(form.txtCst.Text(), "33");
    EXPECT_EQ(form.lblUMs.Caption(), "pF");
    EXPECT_EQ(form.txtUs[1].Text(), "0"); // no voltage applied yet
    EXPECT_EQ(form.txtUMUs[1].Text(), "");
    Type(form, Ust, "2");
    EXPECT_EQ(form.txtUs[1].Text(), "2");
    EXPECT_EQ(form.txtUMUs[1].Text(), "V");
}

TEST(Keys, EscapeAsksToEndAndSwallowsTheKey) {
    frmTolvarine form(runtime::EnglishFormat());
    form.Start({});
    Type(form, Cs(0), "12");
    EXPECT_FALSE(form.EndRequested());
    EXPECT_FALSE(form.UserKeyPress(27));
    EXPECT_TRUE(form.EndRequested());
    EXPECT_EQ(form.txtCs[0].Text(), "12");
}

TEST(Keys, EveryOtherKeyPassesThroughUntouched) {
    frmTolvarine form(runtime::EnglishFormat());
    form.Start({});
    const std::size_t runs = form.RecalculateRuns();
    for (const int key :
         {8, 9, 13, 26, 28, 32, int('0'), int('9'), int('e'), int('E'), int('-'), 127, 255, 0x7fff})
        EXPECT_TRUE(form.UserKeyPress(static_cast<std::int16_t>(key))) << key;
    EXPECT_FALSE(form.EndRequested());
    EXPECT_EQ(form.RecalculateRuns(), runs);
    ExpectInputsAndResults(form, kAfterLoad);
}

} // namespace
} // namespace window
