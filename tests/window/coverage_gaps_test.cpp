// Behaviour of the window model that the other suites leave untested: the
// read access by control id that the view relies on, and clicks on controls
// that are not buttons.
#include "form_driver.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace window {
namespace {

struct LabelCase {
    const char *name;
    ControlId id;
    const Label *(*expected)(const frmTolvarine &);
};

const LabelCase kLabelCases[] = {
    {"UnitOfEquivalent", {Control::lblUMs, 0}, [](const frmTolvarine &f) { return &f.lblUMs; }},
    {"CaptionOverEquivalent",
     {Control::lblEticheteS, 0},
     [](const frmTolvarine &f) { return &f.lblEticheteS[0]; }},
    {"CaptionOfAppliedVoltage",
     {Control::lblEticheteS, 3},
     [](const frmTolvarine &f) { return &f.lblEticheteS[3]; }},
    {"ErrorMessage", {Control::lblEroare, 0}, [](const frmTolvarine &f) { return &f.lblEroare; }},
};

class LabelOfTest : public ::testing::TestWithParam<LabelCase> {};

TEST_P(LabelOfTest, FindsTheLabelOfTheId) {
    frmTolvarine form(runtime::EnglishFormat());
    form.Start({});
    EXPECT_EQ(&form.LabelOf(GetParam().id), GetParam().expected(form));
}

INSTANTIATE_TEST_SUITE_P(CoverageGaps, LabelOfTest, ::testing::ValuesIn(kLabelCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(LabelOf, CaptionsAfterStartUp) {
    frmTolvarine form(runtime::EnglishFormat());
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
    frmTolvarine form(runtime::EnglishFormat());
    if (GetParam().outOfRange)
        EXPECT_THROW(form.LabelOf(GetParam().id), std::out_of_range);
    else
        EXPECT_THROW(form.LabelOf(GetParam().id), std::invalid_argument);
}

INSTANTIATE_TEST_SUITE_P(CoverageGaps, BadLabelIdTest, ::testing::ValuesIn(kBadLabelIds),
                         [](const auto &info) { return std::string(info.param.name); });

const BadIdCase kBadListIds[] = {
    {"TextField", {Control::txtUst, 0}, false},
    {"Label", {Control::lblUMs, 0}, false},
    {"FifthCapacitanceUnit", {Control::cboCs, 4}, true},
};

class BadListIdTest : public ::testing::TestWithParam<BadIdCase> {};

TEST_P(BadListIdTest, IsRefused) {
    frmTolvarine form(runtime::EnglishFormat());
    if (GetParam().outOfRange)
        EXPECT_THROW(form.List(GetParam().id), std::out_of_range);
    else
        EXPECT_THROW(form.List(GetParam().id), std::invalid_argument);
}

INSTANTIATE_TEST_SUITE_P(CoverageGaps, BadListIdTest, ::testing::ValuesIn(kBadListIds),
                         [](const auto &info) { return std::string(info.param.name); });

// Only the button has a click handler: a click on anything else changes
// nothing and recalculates nothing.
class ClickOnNonButtonTest : public ::testing::TestWithParam<ControlId> {};

TEST_P(ClickOnNonButtonTest, DoesNothing) {
    frmTolvarine form(runtime::EnglishFormat());
    form.Start({});
    Type(form, Cs(0), "47");
    Type(form, Ust, "5");
    const Shown before = ResultsOf(form);
    const std::size_t runs = form.RecalculateRuns();
    form.UserClick(GetParam());
    EXPECT_EQ(form.RecalculateRuns(), runs);
    EXPECT_EQ(ResultsOf(form), before);
    EXPECT_EQ(form.txtCs[0].Text(), "47");
}

INSTANTIATE_TEST_SUITE_P(CoverageGaps, ClickOnNonButtonTest,
                         ::testing::Values(ControlId{Control::txtCs, 0},
                                           ControlId{Control::cboUst, 0},
                                           ControlId{Control::lblUMs, 0},
                                           ControlId{Control::frmTolvarine, 0}));

} // namespace
} // namespace window
