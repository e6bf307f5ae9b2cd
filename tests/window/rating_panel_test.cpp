// SPDX-License-Identifier: GPL-3.0-or-later
// The rating check's panel: checked only while it is open, and then always on
// the current input, as a form whose panel never closed shows it.
#include "form_driver.h"
#include "locale_formats.h"
#include "rating_model.h"
#include "results_table.h"

#include <gtest/gtest.h>

namespace window {
namespace {

// One user step: texts typed, then the panel opened or closed.
struct PanelStep {
    const char *name;
    std::vector<std::pair<ControlId, const char *>> typed;
    bool open;
    bool checked; // the margin of C1 has a value
};

const PanelStep kSteps[] = {
    {"ClosedAtStart", {{Cs(0), "100n"}, {Cs(1), "100n"}, {Ust, "230"}}, false, false},
    {"RatingTypedWhileClosed", {{{Control::txtUn, 0}, "160"}}, false, false},
    {"OpeningChecksAtOnce", {}, true, true},
    {"ClosingEmptiesTheResults", {}, false, false},
    {"EditedWhileClosed", {{Cs(1), "220n"}, {{Control::txtUn, 0}, "1k"}}, false, false},
    {"ReopeningChecksTheEdit", {}, true, true},
    {"EditedWhileOpen", {{Ust, "2k"}}, true, true},
    {"CheckFailsWhileClosed", {{{Control::txtTol, 0}, "150"}}, false, false},
    {"ReopeningShowsTheFailure", {}, true, false},
    {"ToleranceBackWhileOpen", {{{Control::txtTol, 0}, "5"}}, true, true},
    {"CalculationFailsWhileClosed", {{Cs(0), "1E305u"}}, false, false},
    {"ReopeningAfterAFailure", {}, true, false},
};

// The results: one of each for every capacitor, then the chain's.
const Control kPerCapacitor[] = {Control::txtUmax,    Control::txtUMUmax, Control::txtUvarf,
                                 Control::txtUMUvarf, Control::txtMarja,  Control::txtUMMarja,
                                 Control::txtW,       Control::txtUMW};
const Control kOfTheChain[] = {Control::txtQ,  Control::txtUMQ,  Control::txtWt, Control::txtUMWt,
                               Control::txtXc, Control::txtUMXc, Control::txtI,  Control::txtUMI};

std::vector<ControlId> ResultIds() {
    std::vector<ControlId> ids;
    for (const Control control : kPerCapacitor) {
        for (int k = 0; k < 4; ++k)
            ids.push_back({control, k});
    }
    for (const Control control : kOfTheChain)
        ids.push_back({control, 0});
    return ids;
}

TEST(RatingPanel, ChecksOnlyWhileOpenAndThenOnTheCurrentInput) {
    frmTolvarine form(test_support::EnglishFormat());
    frmTolvarine alwaysOpen(test_support::EnglishFormat());
    for (frmTolvarine *f : {&form, &alwaysOpen})
        f->Start({});
    alwaysOpen.UserShowPanel(true);
    const ControlId verificare{Control::lblVerificare, 0};
    for (const PanelStep &step : kSteps) {
        SCOPED_TRACE(step.name);
        for (const auto &[id, text] : step.typed) {
            Type(form, id, text);
            Type(alwaysOpen, id, text);
        }
        form.UserShowPanel(step.open);
        ASSERT_EQ(form.PanelOpen(), step.open);
        EXPECT_EQ(form.Rating().MarginOf(0) != calc::Margin::NotGiven, step.checked);
        EXPECT_EQ(ResultsTable(form).find("Verificare") != std::string::npos, step.open);
        for (const ControlId id : ResultIds()) {
            EXPECT_EQ(form.Field(id).Text(), step.open ? alwaysOpen.Field(id).Text() : "")
                << static_cast<int>(id.control) << "(" << id.index << ")";
        }
        EXPECT_EQ(form.LabelOf(verificare).Shown(),
                  step.open && alwaysOpen.LabelOf(verificare).Shown());
        EXPECT_EQ(form.LabelOf(verificare).Caption(),
                  step.open ? alwaysOpen.LabelOf(verificare).Caption() : "");
    }
}

// What another part of the window (the design part) writes for a capacitor:
// its rating's text, unit and kind, each raising its notification once, and
// nothing for what stays.
TEST(RatingModel, SetsOneCapacitorsRatingTextUnitAndKind) {
    struct Recorder final : NotificationSink {
        std::vector<ControlId> raised;
        void Raise(ControlId id, Notification) override { raised.push_back(id); }
    } sink;
    RatingModel rating(sink);
    rating.SetRating(2, "1.6", "kV", calc::RatingKind::AlternatingRms);
    EXPECT_EQ(rating.Field({Control::txtUn, 2})->Text(), "1.6");
    EXPECT_EQ(rating.List({Control::cboUn, 2})->Text(), "kV");
    EXPECT_EQ(rating.KindOf(2), calc::RatingKind::AlternatingRms);
    EXPECT_EQ(rating.KindOf(1), calc::RatingKind::DirectPeak);
    const std::vector<ControlId> raised = {
        {Control::cboUn, 2}, {Control::cboTipUn, 2}, {Control::txtUn, 2}};
    EXPECT_EQ(sink.raised, raised);
    sink.raised.clear();
    rating.SetRating(2, "1.6", "kV", calc::RatingKind::AlternatingRms);
    EXPECT_TRUE(sink.raised.empty());
}

} // namespace
} // namespace window
