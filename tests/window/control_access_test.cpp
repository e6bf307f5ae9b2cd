// SPDX-License-Identifier: GPL-3.0-or-later
// The read access by control id that the view relies on, and clicks on
// controls that are not buttons.
#include "form_driver.h"
#include "locale_formats.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace window {
namespace {

struct LabelCase {
    const char *name;
    ControlId id;
    const char *designCaption;
};

const LabelCase kLabelCases[] = {
    {"UnitOfEquivalent", {Control::lblUMs, 0}, "pF"},
    {"CaptionOverEquivalent", {Control::lblEticheteS, 0}, "Capacitate echivalentă:"},
    {"CaptionOfAppliedVoltage", {Control::lblEticheteS, 3}, "Tensiunea aplicată (~):"},
    {"ErrorMessage", {Control::lblEroare, 0}, ""},
};

class LabelOfTest : public ::testing::TestWithParam<LabelCase> {};

TEST_P(LabelOfTest, FindsTheLabelOfTheId) {
    const frmTolvarine form(test_support::EnglishFormat());
    EXPECT_EQ(form.LabelOf(GetParam().id).Caption(), GetParam().designCaption);
}

INSTANTIATE_TEST_SUITE_P(ById, LabelOfTest, ::testing::ValuesIn(kLabelCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(LabelOf, CaptionsAfterStartUp) {
    frmTolvarine form(test_support::EnglishFormat());
    form.Start({});
    EXPECT_EQ(form.LabelOf({Control::lblUMs, 0}).Caption(), "pF");
    EXPECT_FALSE(form.LabelOf({Control::lblUMs, 0}).Shown());
    EXPECT_EQ(form.LabelOf({Control::lblEticheteS, 3}).Caption(), "Tensiunea aplicată (~):");
    EXPECT_TRUE(form.LabelOf({Control::lblEticheteS, 3}).Shown());
    EXPECT_FALSE(form.LabelOf({Control::lblEroare, 0}).Shown());
}

enum class Access { Label, List, Button };

struct BadIdCase {
    const char *name;
    Access access;
    ControlId id;
    bool outOfRange; // otherwise invalid_argument
};

const BadIdCase kBadIds[] = {
    {"LabelCaptionElementOne", Access::Label, {Control::lblEticheteS, 1}, true},
    {"LabelCaptionElementTwo", Access::Label, {Control::lblEticheteS, 2}, true},
    {"LabelTextField", Access::Label, {Control::txtCs, 0}, false},
    {"LabelList", Access::Label, {Control::cboUst, 0}, false},
    {"LabelButton", Access::Label, {Control::cmdClear, 0}, false},
    {"ListTextField", Access::List, {Control::txtUst, 0}, false},
    {"ListLabel", Access::List, {Control::lblUMs, 0}, false},
    {"ListFifthCapacitanceUnit", Access::List, {Control::cboCs, 4}, true},
    {"ButtonTextField", Access::Button, {Control::txtCst, 0}, false},
};

class BadIdTest : public ::testing::TestWithParam<BadIdCase> {};

TEST_P(BadIdTest, IsRefused) {
    const frmTolvarine form(test_support::EnglishFormat());
    const BadIdCase &c = GetParam();
    const auto access = [&] {
        if (c.access == Access::Label)
            form.LabelOf(c.id);
        else if (c.access == Access::List)
            form.List(c.id);
        else
            form.ButtonOf(c.id);
    };
    if (c.outOfRange)
        EXPECT_THROW(access(), std::out_of_range);
    else
        EXPECT_THROW(access(), std::invalid_argument);
}

INSTANTIATE_TEST_SUITE_P(ById, BadIdTest, ::testing::ValuesIn(kBadIds),
                         [](const auto &info) { return std::string(info.param.name); });

// Only the button has a click handler: a click on anything else changes
// nothing and recalculates nothing.
struct ClickCase {
    const char *name;
    ControlId id;
};

class ClickOnNonButtonTest : public ::testing::TestWithParam<ClickCase> {};

TEST_P(ClickOnNonButtonTest, DoesNothing) {
    DeliveryLog log;
    frmTolvarine form(test_support::EnglishFormat(), &log);
    form.Start({});
    Type(form, Cs(0), "47");
    Type(form, Ust, "5");
    const Shown before = ResultsOf(form);
    const std::size_t runs = log.recalculations;
    form.UserClick(GetParam().id);
    EXPECT_EQ(log.recalculations, runs);
    EXPECT_EQ(ResultsOf(form), before);
    EXPECT_EQ(Text(form, Cs(0)), "47");
}

INSTANTIATE_TEST_SUITE_P(Controls, ClickOnNonButtonTest,
                         ::testing::Values(ClickCase{"TextField", {Control::txtCs, 0}},
                                           ClickCase{"List", {Control::cboUst, 0}},
                                           ClickCase{"Label", {Control::lblUMs, 0}},
                                           ClickCase{"Window", {Control::frmTolvarine, 0}}),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace window
