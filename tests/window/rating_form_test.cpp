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
        Paste(form, c.field, c.input);
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
    bool message;        // a failure shown in the message band
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
      {Id(Control::txtW, 0), "1.6"}, // 1/2 x 100 nF x (126.5 V x sqrt 2)^2
      {Id(Control::txtUMW, 0), "mJ"},
      {Id(Control::txtWt), "2.645"},
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
    {"AlternatingRatingsAgainstTheRms",
     false,
     {{Id(Control::cboTipUn, 0), "c.a."},
      {Id(Control::cboTipUn, 1), "c.a."},
      {Id(Control::txtUn, 0), "275"},
      {Id(Control::txtUn, 1), "275"}},
     {{Id(Control::txtMarja, 0), "148.5"}, {Id(Control::txtMarja, 1), "148.5"}},
     calc::Margin::Within,
     false},
    {"ZeroHertzHasAnInfiniteReactanceAndNoCurrent",
     false,
     {{Id(Control::txtFrec), "0"}},
     {{Id(Control::txtXc), "∞"},
      {Id(Control::txtUMXc), "Ω"},
      {Id(Control::txtI), "0"},
      {Id(Control::txtUMI), ""},
      {Id(Control::txtQ), "11.5"}},
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
     true},
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
        if (id.control == Control::cboUn || id.control == Control::cboTipUn)
            Choose(form, id, text);
        else
            Type(form, id, text);
    }
    for (const auto &[field, text] : c.shown)
        EXPECT_EQ(form.Field(field).Text(), text)
            << static_cast<int>(field.control) << "(" << field.index << ")";
    EXPECT_EQ(form.Rating().MarginOf(0), c.margin);
    EXPECT_EQ(form.Rating().MarginDescription(0).empty(), c.margin == calc::Margin::NotGiven);
    EXPECT_EQ(IsShown(form, Eroare), c.message);
}

INSTANTIATE_TEST_SUITE_P(Table, RatingInTheForm, ::testing::ValuesIn(kRatings),
                         [](const auto &info) { return std::string(info.param.name); });

// A margin that turns red raises the warning; one that stays red or turns
// green raises none.
TEST(RatingCheck, WarnsWhenAMarginTurnsRed) {
    frmTolvarine form(test_support::EnglishFormat());
    form.Start({});
    form.UserShowPanel(true);
    TypeExample(form);
    const struct {
        ControlId field;
        const char *text;
        const char *warning; // empty: hidden
        unsigned raised;
    } steps[] = {
        {Id(Control::txtUn, 0), "160", "C1 depășește tensiunea nominală cu 18.898 V.", 1},
        {Id(Control::txtUn, 1), "160",
         "Depășesc tensiunea nominală: C1 cu 18.898 V, C2 cu 18.898 V.", 2},
        {Id(Control::txtUn, 0), "1000", "C2 depășește tensiunea nominală cu 18.898 V.", 2},
        {Id(Control::txtUn, 1), "170", "C2 depășește tensiunea nominală cu 8.898 V.", 2},
        {Id(Control::txtUn, 1), "", "", 2},
        {Id(Control::txtUn, 1), "100", "C2 depășește tensiunea nominală cu 78.898 V.", 3},
    };
    const ControlId warning = Id(Control::lblVerificare);
    for (const auto &step : steps) {
        Type(form, step.field, step.text);
        EXPECT_EQ(form.LabelOf(warning).Caption(), step.warning) << step.text;
        EXPECT_EQ(form.LabelOf(warning).Shown(), *step.warning != 0) << step.text;
        EXPECT_EQ(form.Rating().WarningsRaised(), step.raised) << step.text;
    }
}

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

// The marks printed on capacitors and datasheets, typed key by key or
// pasted: the rating's kind after its value, the tolerance's ± before it.
struct MarkCase {
    const char *name;
    ControlId field;
    bool pasted;
    const char *input;
    const char *text;
    const char *unit; // of a rating; empty for the tolerance
    const char *kind; // the rating's kind afterwards, from the other one
};

void PrintTo(const MarkCase &c, std::ostream *os) {
    *os << c.name;
}

const MarkCase kMarks[] = {
    {"TildeTyped", Id(Control::txtUn, 0), false, "275V~", "275", "V", "c.a."},
    {"BlankTildeTyped", Id(Control::txtUn, 1), false, "275 V~", "275", "V", "c.a."},
    {"TildePastedLongerThanTheLimit", Id(Control::txtUn, 2), true, "230 V~", "230", "V", "c.a."},
    {"VacTyped", Id(Control::txtUn, 0), false, "275VAC", "275", "V", "c.a."},
    {"VacPasted", Id(Control::txtUn, 3), true, "275 Vac", "275", "V", "c.a."},
    {"VdcPasted", Id(Control::txtUn, 0), true, "630VDC", "630", "V", "c.c."},
    {"BlankVdcPasted", Id(Control::txtUn, 1), true, "400 VDC", "400", "V", "c.c."},
    {"EqualsTyped", Id(Control::txtUn, 1), false, "630 V=", "630", "V", "c.c."},
    {"KiloRkmBlankDcTyped", Id(Control::txtUn, 2), false, "1k6V DC", "1.6", "kV", "c.c."},
    {"KiloRkmBlankDcPasted", Id(Control::txtUn, 3), true, "1k6V DC", "1.6", "kV", "c.c."},
    {"PlusMinusPercentPasted", Id(Control::txtTol), true, "±5%", "5", "", ""},
    {"PlusMinusBlanksTyped", Id(Control::txtTol), false, "± 5 %", "5", "", ""},
    {"PlusSlashMinusPasted", Id(Control::txtTol), true, "+/-5", "5", "", ""},
    {"PlusSlashMinusTyped", Id(Control::txtTol), false, "+/-20", "20", "", ""},
};

class MarksInTheForm : public ::testing::TestWithParam<MarkCase> {};

TEST_P(MarksInTheForm, ReadTheValueAndChooseTheKind) {
    const MarkCase &c = GetParam();
    frmTolvarine form(Format(false));
    form.Start({});
    form.UserShowPanel(true);
    TypeExample(form);
    const bool rating = c.field.control == Control::txtUn;
    const ControlId kinds = Id(Control::cboTipUn, c.field.index);
    if (rating) // from the other kind, so that the mark must change it
        Choose(form, kinds, std::string(c.kind) == "c.a." ? "c.c." : "c.a.");
    if (c.pasted)
        Paste(form, c.field, c.input);
    else
        TypeKeys(form, c.field, c.input);
    EXPECT_EQ(form.Field(c.field).Text(), c.text);
    EXPECT_FALSE(IsShown(form, Eroare));
    if (rating) {
        EXPECT_EQ(form.List(Id(Control::cboUn, c.field.index)).Text(), c.unit);
        EXPECT_EQ(form.List(kinds).Text(), c.kind);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, MarksInTheForm, ::testing::ValuesIn(kMarks),
                         [](const auto &info) { return std::string(info.param.name); });

// An X2 part rated 275 V~ in series with a film part rated 630 V DC on
// 400 V: each margin against its own kind, each kind in the copied table.
TEST(RatingCheck, MixedKindsOnAChainEachAgainstItsOwn) {
    frmTolvarine form(Format(false));
    form.Start({});
    form.UserShowPanel(true);
    TypeExample(form);
    Type(form, Ust, "400");
    Paste(form, Id(Control::txtUn, 0), "275 V~");
    Paste(form, Id(Control::txtUn, 1), "630VDC");
    EXPECT_EQ(form.Field(Id(Control::txtMarja, 0)).Text(), "55");      // 275 - 220
    EXPECT_EQ(form.Field(Id(Control::txtMarja, 1)).Text(), "318.873"); // 630 - 220 sqrt 2
    EXPECT_NE(form.Rating().MarginDescription(0).find("efectivă (c.a.)"), std::string::npos);
    EXPECT_NE(form.Rating().MarginDescription(1).find("vârf (c.c.)"), std::string::npos);
    const std::string table = ResultsTable(form);
    EXPECT_NE(table.find("C1\t275\tV\tc.a.\t220\tV\t"), std::string::npos) << table;
    EXPECT_NE(table.find("C2\t630\tV\tc.c.\t220\tV\t"), std::string::npos) << table;
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
         {"C2\t160\tV\tc.c.\t126,5\tV\t178,898\tV\t-18,898\tV\tdepășește\tvârf\t1,6\tmJ\n",
          "C1\t\tV\tc.c.\t126,5\tV\t178,898\tV\t\t\t\tvârf\t1,6\tmJ\n",
          "C4\t\tV\tc.c.\t\t\t\t\t\t\t\tvârf\t\t\n", "Toleranță ±\t10\t%\n",
          "Energie W, la vârful nominal\t2,645\tmJ\n", "Reactanță Xc, nominală\t63,662\tkΩ\n",
          "Curent I, nominal efectiv\t3,613\tmA\n"})
        EXPECT_NE(open.find(line), std::string::npos) << line;
}

} // namespace
} // namespace window
