// SPDX-License-Identifier: GPL-3.0-or-later
// A failed computation names its inputs, the way to move them and the
// fields to mark, through the form's one dispatcher: the steps of the series
// calculation and those of the rating check alike.
#include "form_driver.h"
#include "locale_formats.h"

#include <gtest/gtest.h>

namespace window {
namespace {

const ControlId kTol{Control::txtTol, 0};
const ControlId kFrec{Control::txtFrec, 0};
const ControlId kRating0{Control::txtUn, 0};

// Texts typed or units chosen, in this order, into a started form.
using Steps = std::vector<std::pair<ControlId, const char *>>;

struct CauseCase {
    const char *name;
    bool panelOpen;
    Steps steps;
    std::string message; // empty: no failure
    std::vector<ControlId> fields;
    bool seriesShown; // the equivalent capacitance still shows a value
};

void PrintTo(const CauseCase &c, std::ostream *os) {
    *os << c.name;
}

const CauseCase kCases[] = {
    {"CapacitanceTooLargeInPicofarads",
     false,
     {{CsUnit(0), "uF"}, {Ust, "10"}, {Cs(0), "9e307"}},
     "Capacitatea C1 este prea mare: valoarea ei în pF depășește domeniul numeric. Micșorați-o.",
     {Cs(0)},
     false},
    {"SeveralCapacitancesTooLarge",
     false,
     {{CsUnit(0), "nF"},
      {CsUnit(1), "uF"},
      {CsUnit(2), "nF"},
      {Cs(1), "1"},
      {Cs(0), "2e305"},
      {Cs(2), "2e305"}},
     "Capacitățile C1 și C3 sunt prea mari: valorile lor în pF depășesc domeniul numeric. "
     "Micșorați-le.",
     {Cs(0), Cs(2)},
     false},
    {"CapacitanceTooSmall",
     false,
     {{Ust, "3"}, {Cs(2), "4e-320"}},
     "Capacitatea C3 este prea mică: inversul ei depășește domeniul numeric. Măriți-o.",
     {Cs(2)},
     false},
    {"CapacitancesTogetherTooSmall",
     false,
     {{Cs(3), "1"}, {Cs(0), "1e-308"}, {Cs(1), "1e-308"}},
     "Capacitățile C1 și C2 sunt împreună prea mici: suma inverselor lor depășește domeniul "
     "numeric. Măriți-le.",
     {Cs(0), Cs(1)},
     false},
    {"AppliedVoltageTooLargeInVolts",
     false,
     {{Cs(0), "1"}, {UstUnit, "kV"}, {Ust, "1e308"}},
     "Tensiunea aplicată este prea mare: valoarea ei în volți depășește domeniul numeric. "
     "Micșorați tensiunea aplicată.",
     {Ust},
     false},
    {"AppliedVoltageTooLargeAcrossTheCapacitors",
     false,
     {{CsUnit(1), "uF"}, {Cs(1), "1"}, {Ust, "1e305"}},
     "Tensiunea aplicată este prea mare pentru aceste capacități: împreună cu capacitatea "
     "echivalentă depășește domeniul numeric. Micșorați tensiunea aplicată.",
     {Ust},
     false},
    {"ToleranceOfAHundredPercent",
     true,
     {{Cs(0), "100n"}, {Ust, "230"}, {kTol, "100"}},
     "Toleranța trebuie să fie sub 100 %.",
     {kTol},
     true},
    {"ToleranceAboveAHundredPercent",
     true,
     {{Cs(0), "100n"}, {Ust, "230"}, {kTol, "150"}},
     "Toleranța trebuie să fie sub 100 %.",
     {kTol},
     true},
    {"RatingTooLargeInVolts",
     true,
     {{Cs(0), "1"}, {{Control::cboUn, 0}, "kV"}, {kRating0, "9e307"}},
     "Tensiunea nominală a C1 este prea mare: valoarea ei în volți depășește domeniul numeric. "
     "Micșorați-o.",
     {kRating0},
     true},
    {"TinyCapacitanceHasAReactanceTooLarge",
     true,
     {{Ust, "230"}, {Cs(0), "1e-299"}},
     "Reactanța depășește domeniul numeric: măriți frecvența sau capacitatea C1.",
     {kFrec, Cs(0)},
     true},
    {"TinyFrequencyHasAReactanceTooLarge",
     true,
     {{Cs(0), "1"}, {Cs(1), "1"}, {kFrec, "1e-300"}},
     "Reactanța depășește domeniul numeric: măriți frecvența sau capacitățile C1 și C2.",
     {kFrec, Cs(0), Cs(1)},
     true},
    {"HugeBesideOnePicofaradIsChecked",
     true,
     {{Ust, "230"}, {Cs(1), "1"}, {Cs(0), "17e307"}},
     "",
     {},
     true},
    {"TinyCapacitanceOnAHugeVoltageIsChecked",
     true,
     {{Ust, "1e160"}, {Cs(0), "1e-200"}},
     "",
     {},
     true},
};

std::vector<ControlId> Marked(const frmTolvarine &form) {
    std::vector<ControlId> marked;
    for (const ControlId id : {kFrec, kTol, kRating0, Ust, Cs(0), Cs(1), Cs(2), Cs(3)}) {
        if (form.Field(id).Marked())
            marked.push_back(id);
    }
    return marked;
}

class ErrorCauseTest : public testing::TestWithParam<CauseCase> {};

TEST_P(ErrorCauseTest, NamesTheInputsAndTheDirection) {
    const CauseCase &c = GetParam();
    frmTolvarine form(test_support::EnglishFormat());
    form.Start({});
    form.UserShowPanel(c.panelOpen);
    for (const auto &[id, text] : c.steps) {
        if (id.control == Control::cboCs || id.control == Control::cboUst ||
            id.control == Control::cboUn)
            Choose(form, id, text);
        else
            Type(form, id, text);
    }
    EXPECT_EQ(Text(form, Eroare), c.message);
    EXPECT_EQ(IsShown(form, Eroare), !c.message.empty());
    EXPECT_EQ(Marked(form), c.fields);
    EXPECT_EQ(!Text(form, Cst).empty(), c.seriesShown);
    if (!c.message.empty() && c.panelOpen) {
        EXPECT_EQ(form.Field({Control::txtUmax, 0}).Text(), "");
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ErrorCauseTest, testing::ValuesIn(kCases),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace window
