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

struct BadIdCase {
    const char *name;
    ControlId id;
    bool outOfRange; // otherwise invalid_argument
};

const BadIdCase kBadLabelIds[] = {
    {"CaptionElementOne", {Control::lblEticheteS, 1}, true},
    {"CaptionElementTwo", {Control::lblEticheteS, 2}, true},
    {"TextField", {Control::txtCs, 0}, false},
    {"List", {Control::cboUst, 0}, false},
    {"Button", {Control::cmdClear, 0}, false},
};

class BadLabelIdTest : public ::testing::TestWithParam<BadIdCase> {};

TEST_P(BadLabelIdTest, IsRefused) {
    frmTolvarine form(test_support::EnglishFormat());
    if (GetParam().outOfRange)
        EXPECT_THROW(form.LabelOf(GetParam().id), std::out_of_range);
    else
        EXPECT_THROW(form.LabelOf(GetParam().id), std::invalid_argument);
}

INSTANTIATE_TEST_SUITE_P(ById, BadLabelIdTest, ::testing::ValuesIn(kBadLabelIds),
                         [](const auto &info) { return std::string(info.param.name); });

const BadIdCase kBadListIds[] = {
    {"TextField", {Control::txtUst, 0}, false},
    {"Label", {Control::lblUMs, 0}, false},
    {"FifthCapacitanceUnit", {Control::cboCs, 4}, true},
};

class BadListIdTest : public ::testing::TestWithParam<BadIdCase> {};

TEST_P(BadListIdTest, IsRefused) {
    frmTolvarine form(test_support::EnglishFormat());
    if (GetParam().outOfRange)
        EXPECT_THROW(form.List(GetParam().id), std::out_of_range);
    else
        EXPECT_THROW(form.List(GetParam().id), std::invalid_argument);
}

INSTANTIATE_TEST_SUITE_P(ById, BadListIdTest, ::testing::ValuesIn(kBadListIds),
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

TEST(ButtonOf, FindsTheButtonAndRefusesOtherIds) {
    const frmTolvarine form(test_support::EnglishFormat());
    EXPECT_EQ(form.ButtonOf(Clear).Caption(), "Sterge valori");
    EXPECT_THROW(form.ButtonOf(Cst), std::invalid_argument);
}

} // namespace
} // namespace window
