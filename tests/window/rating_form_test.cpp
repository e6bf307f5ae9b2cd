// SPDX-License-Identifier: GPL-3.0-or-later
// The unit notation and the rating check in the form, driven as a user does.
#include "form_driver.h"
#include "locale_formats.h"
#include "rating_model.h"
#include "results_table.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace window {
namespace {

runtime::NumberFormat Format(bool romanian) {
    return romanian ? test_support::RomanianFormat() : test_support::EnglishFormat();
}

// Keys typed one at a time: the first over the whole text, the others after it.
void TypeKeys(frmTolvarine &form, ControlId field, const std::string &keys) {
    for (std::size_t i = 0; i < keys.size();) {
        std::size_t next = i + 1;
        while (next < keys.size() && (static_cast<unsigned char>(keys[next]) & 0xC0) == 0x80)
            ++next;
        const std::string key = keys.substr(i, next - i);
        const std::string proposed = i == 0 ? key : form.Field(field).Text() + key;
        form.UserEdit(field, proposed, CharacterCount(proposed));
        i = next;
    }
}

struct NotationCase {
    const char *name;
    bool romanian;
    ControlId field;
    bool pasted; // the whole text at once, else key by key
    const char *input;
    const char *text;
    const char *unit; // the unit list's text afterwards
};

void PrintTo(const NotationCase &c, std::ostream *os) {
    *os << c.name;
}

const NotationCase kNotation[] = {
    {"RkmKeysEnglish", false, Cs(0), false, "4n7", "4.7", "nF"},
    {"RkmKeysRomanian", true, Cs(0), false, "4n7", "4,7", "nF"},
    {"UnitAfterDigits", false, Cs(1), false, "100n", "100", "nF"},
    {"DigitAfterUnitContinues", true, Cs(2), false, "2u2", "2,2", "uF"},
    {"MicroSign", false, Cs(2), false, "2µ2", "2.2", "uF"},
    {"CapitalN", true, Cs(1), false, "4N7", "4,7", "nF"},
    {"UnitWithItsFarad", false, Cs(0), false, "100pF", "100", "pF"},
    {"LaterUnitReplacesTheFirst", false, Cs(0), false, "4n7u", "4.7", "uF"},
    {"MilliIsNoCapacitance", false, Cs(0), false, "1m", "0", "pF"},
    {"MillivoltsWithTheirV", false, Ust, false, "230mV", "230", "mV"},
    {"KilovoltsRkm", false, Ust, false, "1k5", "1.5", "kV"},
    {"Millivolts", true, Ust, false, "500m", "500", "mV"},
    {"OtherLettersBecomeZero", false, Cs(0), false, "abc", "0", "pF"},
    {"UnfinishedExponentBecomesZero", false, Cs(0), false, "1e", "0", "pF"},
    {"CapitalMIsNoUnit", false, Ust, false, "1M", "0", "V"},
    {"PastedCommaEnglish", false, Cs(0), true, "4,7 nF", "4.7", "nF"},
    {"PastedPointRomanian", true, Cs(3), true, "4.7nF", "4,7", "nF"},
    {"PastedKilovoltsRomanian", true, Ust, true, "1.5 kV", "1,5", "kV"},
    {"PastedRkm", false, Cs(0), true, "4n7", "4.7", "nF"},
    {"PastedUnitBeforeTheLimit", false, Cs(0), true, "1000.2 nF", "1000.2", "nF"},
    {"PastedTooLongChangesNoUnit", false, Cs(0), true, "1000.25 nF", "0", "pF"},
};

class NotationInTheForm : public ::testing::TestWithParam<NotationCase> {};

TEST_P(NotationInTheForm, SetsTextAndUnitAsAChoiceByHandWould) {
    const NotationCase &c = GetParam();
    DeliveryLog log;
    frmTolvarine form(Format(c.romanian), &log);
    form.Start({});
    const ControlId list{c.field.control == Control::txtUst ? Control::cboUst : Control::cboCs,
                         c.field.index};
    const std::string unitBefore = form.List(list).Text();
    log.Clear();
    if (c.pasted)
        Type(form, c.field, c.input);
    else
        TypeKeys(form, c.field, c.input);
    EXPECT_EQ(form.Field(c.field).Text(), c.text);
    EXPECT_EQ(form.List(list).Text(), c.unit);
    const bool clicked = std::ranges::any_of(log.entries, [&](const DeliveryLog::Entry &e) {
        return e.id == list && e.notification == Notification::Click;
    });
    EXPECT_EQ(clicked, unitBefore != c.unit);
}

INSTANTIATE_TEST_SUITE_P(Table, NotationInTheForm, ::testing::ValuesIn(kNotation),
                         [](const auto &info) { return std::string(info.param.name); });

// The example: 2 x 100 nF on 230 V, +-10 %, 50 Hz.
void TypeExample(frmTolvarine &form) {
    TypeKeys(form, Cs(0), "100n");
    TypeKeys(form, Cs(1), "100n");
    Type(form, Ust, "230");
}

struct RatingCase {
    const char *name;
    bool romanian;
    // Typed, or chosen in a list, after the example.
    std::vector<std::pair<ControlId, const char *>> typed;
    // Expected texts; an empty text is no value.
    std::vector<std::pair<ControlId, const char *>> shown;
    calc::Margin margin; // of C1
    bool message;        // the check's own message shown
};

void PrintTo(const RatingCase &c, std::ostream *os) {
    *os << c.name;
}

ControlId Id(Control control, int k = 0) {
    return {control, k};
}

const RatingCase kRatings[] = {
    {"ExampleOverTheRating",
     false,
     {{Id(Control::txtUn, 0), "160"}, {Id(Control::txtUn, 1), "160v"}},
     {{Id(Control::txtUmax, 0), "126.5"},
      {Id(Control::txtUMUmax, 0), "V"},
      {Id(Control::txtUvarf, 1), "178.898"},
      {Id(Control::txtMarja, 0), "-18.898"},
      {Id(Control::txtUMMarja, 1), "V"},
      {Id(Control::txtW, 0), "661.25"},
      {Id(Control::txtUMW, 0), "uJ"},
      {Id(Control::txtQ), "11.5"},
      {Id(Control::txtUMQ), "uC"},
      {Id(Control::txtXc), "63.662"},
      {Id(Control::txtUMXc), "kΩ"},
      {Id(Control::txtI), "3.613"},
      {Id(Control::txtUMI), "mA"},
      {Id(Control::txtUmax, 2), ""}},
     calc::Margin::Exceeds,
     false},
    {"RomanianRatingInKilovolts",
     true,
     {{Id(Control::txtUn, 0), "0,2k"}},
     {{Id(Control::txtUmax, 0), "126,5"},
      {Id(Control::txtMarja, 0), "21,102"},
      {Id(Control::txtMarja, 1), ""}},
     calc::Margin::Within,
     false},
    {"RatingInMicrovolts",
     false,
     {{Id(Control::cboUn, 0), "uV"}, {Id(Control::txtUn, 0), "1E8"}},
     {{Id(Control::txtMarja, 0), "-78.898"}},
     calc::Margin::Exceeds,
     false},
    {"RatingInMillivolts",
     false,
     {{Id(Control::cboUn, 0), "mV"}, {Id(Control::txtUn, 0), "2E5"}},
     {{Id(Control::txtMarja, 0), "21.102"}},
     calc::Margin::Within,
     false},
    {"DirectCurrentHasNoReactance",
     false,
     {{Id(Control::txtFrec), "0"}},
     {{Id(Control::txtXc), ""}, {Id(Control::txtI), ""}, {Id(Control::txtQ), "11.5"}},
     calc::Margin::NotGiven,
     false},
    {"NoCapacitorLeavesNoValue",
     false,
     {{Id(Control::txtUn, 0), "100"}, {Cs(0), "0"}, {Cs(1), "0"}},
     {{Id(Control::txtUmax, 0), ""}, {Id(Control::txtMarja, 0), ""}, {Id(Control::txtQ), ""}},
     calc::Margin::NotGiven,
     false},
    {"FailedCalculationLeavesNoValue",
     false,
     {{Cs(0), "1E305u"}},
     {{Id(Control::txtUmax, 1), ""}, {Id(Control::txtXc), ""}},
     calc::Margin::NotGiven,
     false},
    {"ToleranceAboveAHundredPercent",
     false,
     {{Id(Control::txtTol), "150"}},
     {{Id(Control::txtUmax, 0), ""}, {Id(Control::txtQ), ""}},
     calc::Margin::NotGiven,
     true},
};

class RatingInTheForm : public ::testing::TestWithParam<RatingCase> {};

TEST_P(RatingInTheForm, ShowsTheCheckOfTheCurrentInputOnly) {
    const RatingCase &c = GetParam();
    frmTolvarine form(Format(c.romanian));
    form.Start({});
    form.UserShowPanel(true);
    TypeExample(form);
    for (const auto &[id, text] : c.typed) {
        if (id.control == Control::cboUn)
            Choose(form, id, text);
        else
            Type(form, id, text);
    }
    for (const auto &[field, text] : c.shown)
        EXPECT_EQ(form.Field(field).Text(), text)
            << static_cast<int>(field.control) << "(" << field.index << ")";
    EXPECT_EQ(form.Rating().MarginOf(0), c.margin);
    EXPECT_EQ(form.Rating().MarginDescription(0).empty(), c.margin == calc::Margin::NotGiven);
    EXPECT_EQ(form.LabelOf(Id(Control::lblVerificare)).Shown(), c.message);
}

INSTANTIATE_TEST_SUITE_P(Table, RatingInTheForm, ::testing::ValuesIn(kRatings),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(RatingCheck, TheClearButtonPutsItsInputsBackAndLeavesNoResult) {
    frmTolvarine form(test_support::EnglishFormat());
    form.Start({});
    form.UserShowPanel(true);
    TypeExample(form);
    Type(form, Id(Control::txtUn, 0), "160");
    Type(form, Id(Control::txtTol), "5");
    Choose(form, Id(Control::cboUn, 1), "kV");
    form.UserClick(Clear);
    EXPECT_EQ(form.Field(Id(Control::txtUn, 0)).Text(), "");
    EXPECT_EQ(form.List(Id(Control::cboUn, 1)).Text(), "V");
    EXPECT_EQ(form.Field(Id(Control::txtTol)).Text(), "10");
    EXPECT_EQ(form.Field(Id(Control::txtFrec)).Text(), "50");
    EXPECT_EQ(form.Field(Id(Control::txtUmax, 0)).Text(), "");
    EXPECT_EQ(form.Rating().MarginOf(0), calc::Margin::NotGiven);
}

TEST(ResultsTable, HoldsTheWindowsResultsAndTheOpenChecksInTabbedRows) {
    frmTolvarine form(test_support::RomanianFormat());
    form.Start({});
    TypeExample(form);
    Type(form, Id(Control::txtUn, 1), "160");
    const std::string closed = ResultsTable(form);
    form.UserShowPanel(true);
    const std::string open = ResultsTable(form);
    for (const char *line :
         {"Condensator\tCapacitate\tUnitate\tTensiune\tUnitate\n", "C1\t100\tnF\t115\tV\n",
          "C3\t0\tpF\t0\t\n", "Tensiunea aplicată\t230\tV\n", "Capacitate echivalentă\t50\tnF\n"}) {
        EXPECT_NE(closed.find(line), std::string::npos) << line;
    }
    EXPECT_EQ(closed.find("Verificare"), std::string::npos);
    EXPECT_EQ(open.substr(0, closed.size()), closed);
    for (const char *line :
         {"C2\t160\tV\t126,5\tV\t178,898\tV\t-18,898\tV\tdepășește\t661,25\tuJ\n",
          "C1\t\tV\t126,5\tV\t178,898\tV\t\t\t\t661,25\tuJ\n", "C4\t\tV\t\t\t\t\t\t\t\t\t\n",
          "Toleranță ±\t10\t%\n", "Reactanță Xc\t63,662\tkΩ\n", "Curent I\t3,613\tmA\n"})
        EXPECT_NE(open.find(line), std::string::npos) << line;
}

} // namespace
} // namespace window
