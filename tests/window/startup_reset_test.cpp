// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, the reset button and the keyboard.
#include "form_driver.h"
#include "locale_formats.h"

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
        EXPECT_EQ(Text(form, Cs(k)), f.capacitance);
        EXPECT_EQ(Text(form, CsUnit(k)), f.capacitanceUnit);
        EXPECT_EQ(form.List(CsUnit(k)).ListIndex(), 0);
        EXPECT_EQ(Text(form, Us(k)), f.voltage);
        EXPECT_EQ(Text(form, UsUnit(k)), f.voltageUnit);
    }
    EXPECT_EQ(Text(form, Ust), f.applied);
    EXPECT_EQ(Text(form, UstUnit), f.appliedUnit);
    EXPECT_EQ(form.List(UstUnit).ListIndex(), 2);
    EXPECT_EQ(Text(form, Cst), f.equivalent);
    EXPECT_EQ(Text(form, CstUnit), f.equivalentUnit);
    EXPECT_FALSE(IsShown(form, Cst));
    EXPECT_FALSE(IsShown(form, CstUnit));
    EXPECT_FALSE(IsShown(form, Caption(0)));
    EXPECT_TRUE(IsShown(form, Caption(3)));
    EXPECT_FALSE(IsShown(form, Eroare));
}

const FieldsAfter kAfterLoad{"0", "pF", "0", "V", "0", "V", "", "pF"};
const FieldsAfter kAfterReset{"0", "pF", "0", "", "0", "V", "0", ""};

TEST(StartUp, LoadRunsBeforeShowingAndSetsEveryField) {
    DeliveryLog log;
    frmTolvarine form(test_support::EnglishFormat(), &log);
    std::size_t runsWhenShown = 0;
    form.Start([&] { runsWhenShown = log.recalculations; });
    // Once inside each of the five list assignments, then once at the end.
    EXPECT_EQ(runsWhenShown, 6u);
    EXPECT_EQ(log.recalculations, 6u);
    ExpectInputsAndResults(form, kAfterLoad);
}

TEST(StartUp, LoadDeliversNotificationsInTheOrderOfItsAssignments) {
    DeliveryLog log;
    frmTolvarine form(test_support::EnglishFormat(), &log);
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
        frmTolvarine form(test_support::RomanianFormat());
        form.Start({});
        if (withValues) {
            Choose(form, CsUnit(0), "uF");
            Type(form, Cs(0), "4,7");
            Type(form, Cs(3), "22");
            Choose(form, UstUnit, "kV");
            Type(form, Ust, "1,5");
            Type(form, Cs(1), "9e307"); // an error shown before the reset
            Choose(form, CsUnit(1), "uF");
            ASSERT_TRUE(IsShown(form, Eroare));
        }
        form.UserClick({Control::cmdClear, 0});
        ExpectInputsAndResults(form, kAfterReset);
    }
}

TEST(Reset, FirstNonZeroCapacitanceShowsTheEquivalentAgain) {
    frmTolvarine form(test_support::EnglishFormat());
    form.Start({});
    form.UserClick({Control::cmdClear, 0});
    Type(form, Cs(1), "33");
    EXPECT_TRUE(IsShown(form, Cst));
    EXPECT_TRUE(IsShown(form, CstUnit));
    EXPECT_TRUE(IsShown(form, Caption(0)));
    EXPECT_EQ(Text(form, Cst), "33");
    EXPECT_EQ(Text(form, CstUnit), "pF");
    EXPECT_EQ(Text(form, Us(1)), "0"); // no voltage applied yet
    EXPECT_EQ(Text(form, UsUnit(1)), "");
    Type(form, Ust, "2");
    EXPECT_EQ(Text(form, Us(1)), "2");
    EXPECT_EQ(Text(form, UsUnit(1)), "V");
}

TEST(Keys, EscapeAsksToEndAndSwallowsTheKey) {
    frmTolvarine form(test_support::EnglishFormat());
    form.Start({});
    Type(form, Cs(0), "12");
    EXPECT_FALSE(form.EndRequested());
    EXPECT_FALSE(form.UserKeyPress(27));
    EXPECT_TRUE(form.EndRequested());
    EXPECT_EQ(Text(form, Cs(0)), "12");
}

TEST(Keys, EveryOtherKeyPassesThroughUntouched) {
    DeliveryLog log;
    frmTolvarine form(test_support::EnglishFormat(), &log);
    form.Start({});
    const std::size_t runs = log.recalculations;
    for (const int key :
         {8, 9, 13, 26, 28, 32, int('0'), int('9'), int('e'), int('E'), int('-'), 127, 255, 0x7fff})
        EXPECT_TRUE(form.UserKeyPress(static_cast<std::int16_t>(key))) << key;
    EXPECT_FALSE(form.EndRequested());
    EXPECT_EQ(log.recalculations, runs);
    ExpectInputsAndResults(form, kAfterLoad);
}

} // namespace
} // namespace window
