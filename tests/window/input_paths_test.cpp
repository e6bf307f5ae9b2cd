// SPDX-License-Identifier: GPL-3.0-or-later
// Every way of entering a value gives the value meant: unit letters typed
// key by key and pasted, pastes from spreadsheets, the edit as it was made,
// the note on an ambiguous mark, the copied table, and undo with the unit.
// Romanian, English, French and Swiss number formats.
#include "form_driver.h"
#include "input_reading.h"
#include "locale_formats.h"
#include "results_table.h"

#include <gtest/gtest.h>

namespace window {
namespace {

enum class Loc { ro, en, fr, ch };

runtime::NumberFormat FormatOf(Loc loc) {
    switch (loc) {
    case Loc::ro:
        return test_support::RomanianFormat();
    case Loc::en:
        return test_support::EnglishFormat();
    case Loc::fr:
        return test_support::FrenchFormat();
    case Loc::ch:
        return test_support::SwissFormat();
    }
    return {};
}

const ControlId Un0{Control::txtUn, 0};
const ControlId Tol{Control::txtTol, 0};
const ControlId Frec{Control::txtFrec, 0};

// The unit list beside a field; none for the frequency and the tolerance.
std::string UnitOf(const frmTolvarine &form, ControlId field) {
    switch (field.control) {
    case Control::txtCs:
        return form.List(CsUnit(field.index)).Text();
    case Control::txtUst:
        return form.List(UstUnit).Text();
    case Control::txtUn:
        return form.List({Control::cboUn, field.index}).Text();
    default:
        return "";
    }
}

struct UnitCase {
    const char *name;
    Loc loc;
    ControlId field;
    bool pasted; // else typed key by key
    const char *input;
    const char *text;
    const char *unit;
    double value; // read in the field's unit
};

void PrintTo(const UnitCase &c, std::ostream *os) {
    *os << c.name;
}

const UnitCase kUnitLetters[] = {
    {"KiloVoltTypedEn", Loc::en, Ust, false, "1k5V", "1.5", "kV", 1.5},
    {"KiloVoltPastedEn", Loc::en, Ust, true, "1k5V", "1.5", "kV", 1.5},
    {"KiloBlankVoltTypedRo", Loc::ro, Ust, false, "1k5 V", "1,5", "kV", 1.5},
    {"KiloBlankVoltPastedRo", Loc::ro, Ust, true, "1k5 V", "1,5", "kV", 1.5},
    {"SmallVoltTypedFr", Loc::fr, Ust, false, "2k2v", "2,2", "kV", 2.2},
    {"NanoFaradTypedCh", Loc::ch, Cs(0), false, "4n7F", "4.7", "nF", 4.7},
    {"NanoFaradPastedCh", Loc::ch, Cs(0), true, "4n7F", "4.7", "nF", 4.7},
    {"MilliVoltTypedEn", Loc::en, Ust, false, "500mV", "500", "mV", 500},
    {"VoltPastedRo", Loc::ro, Ust, true, "10V", "10", "V", 10},
    {"RkmVoltTypedEn", Loc::en, Ust, false, "2V7", "2.7", "V", 2.7},
    {"LeadingNanoTypedRo", Loc::ro, Cs(1), false, "n47", "0,47", "nF", 0.47},
    {"LeadingNanoPastedRo", Loc::ro, Cs(1), true, "n47", "0,47", "nF", 0.47},
    {"LeadingMicroTypedEn", Loc::en, Cs(2), false, "u1", "0.1", "uF", 0.1},
    {"LeadingMicroPastedFr", Loc::fr, Cs(2), true, "u1", "0,1", "uF", 0.1},
    {"LeadingPicoPastedCh", Loc::ch, Cs(3), true, "p5", "0.5", "pF", 0.5},
    {"LeadingKiloTypedFr", Loc::fr, Ust, false, "k5", "0,5", "kV", 0.5},
    {"LeadingMilliPastedCh", Loc::ch, Ust, true, "m5", "0.5", "mV", 0.5},
    {"BlankBeforeUnitTypedRo", Loc::ro, Cs(0), false, "4,7 nF", "4,7", "nF", 4.7},
    {"BlankBeforeUnitTypedEn", Loc::en, Cs(0), false, "4.7 nF", "4.7", "nF", 4.7},
    {"BlankBeforeUnitPastedFr", Loc::fr, Cs(0), true, "4,7 nF", "4,7", "nF", 4.7},
    {"BlankBeforeUnitAfterDigitsTypedFr", Loc::fr, Cs(0), false, "47 nF", "47", "nF", 47},
    {"FrenchGroupTyped", Loc::fr, Cs(0), false, "1 000", "1 000", "pF", 1000},
    {"FrenchGroupPasted", Loc::fr, Cs(0), true, "1 000", "1 000", "pF", 1000},
    {"BlankAfterFourDigitsTypedFr", Loc::fr, Cs(0), false, "1000 5", "10005", "pF", 10005},
    {"SwissApostropheTyped", Loc::ch, Cs(0), false, "1'000", "1'000", "pF", 1000},
    {"SwissApostrophePasted", Loc::ch, Ust, true, "1'000", "1'000", "V", 1000},
    {"RatingKiloVoltTypedEn", Loc::en, Un0, false, "1k5V", "1.5", "kV", 1.5},
    {"RatingLeadingKiloPastedRo", Loc::ro, Un0, true, "k5", "0,5", "kV", 0.5},
    {"FrequencyKiloTypedRo", Loc::ro, Frec, false, "1k", "1000", "", 1000},
    {"FrequencyRkmTypedEn", Loc::en, Frec, false, "1k5", "1500", "", 1500},
    {"FrequencyKiloHertzPastedFr", Loc::fr, Frec, true, "10 kHz", "10000", "", 10000},
    {"FrequencyMegaPastedCh", Loc::ch, Frec, true, "2M2", "2200000", "", 2.2e6},
    {"FrequencyHertzTypedEn", Loc::en, Frec, false, "60Hz", "60", "", 60},
    {"FrequencyLeadingKiloBlankHertzTypedFr", Loc::fr, Frec, false, "k77 HZ", "770 ", "", 770},
    {"TolerancePercentTypedRo", Loc::ro, Tol, false, "5%", "5", "", 5},
    {"TolerancePercentPastedCh", Loc::ch, Tol, true, "2.5 %", "2.5", "", 2.5},
};

class UnitLetters : public ::testing::TestWithParam<UnitCase> {};

TEST_P(UnitLetters, GiveTheValueAndUnitMeant) {
    const UnitCase &c = GetParam();
    frmTolvarine form(FormatOf(c.loc));
    form.Start({});
    if (c.pasted)
        Paste(form, c.field, c.input);
    else
        TypeKeys(form, c.field, c.input);
    EXPECT_EQ(form.Field(c.field).Text(), c.text);
    EXPECT_EQ(UnitOf(form, c.field), c.unit);
    EXPECT_DOUBLE_EQ(InputValue(form.Field(c.field).Text(), form.Format()), c.value);
    EXPECT_FALSE(form.LabelOf(Eroare).Shown()) << form.LabelOf(Eroare).Caption();
}

INSTANTIATE_TEST_SUITE_P(Table, UnitLetters, ::testing::ValuesIn(kUnitLetters),
                         [](const auto &info) { return std::string(info.param.name); });

// A paste over the whole field, after `before` was typed there.
struct PasteCase {
    const char *name;
    Loc loc;
    ControlId field;
    const char *before;
    std::string pasted;
    const char *text;
    const char *unit;
    const char *message; // the start of the band's reason; empty: none
};

void PrintTo(const PasteCase &c, std::ostream *os) {
    *os << c.name;
}

const PasteCase kPastes[] = {
    {"LineFeedEn", Loc::en, Cs(0), "0", "100nF\n", "100", "nF", ""},
    {"CarriageReturnRo", Loc::ro, Cs(0), "0", "100nF\r\n", "100", "nF", ""},
    {"TwoLineFeedsFr", Loc::fr, Cs(0), "0", "4n7\n\n", "4,7", "nF", ""},
    {"VoltsLineFeedCh", Loc::ch, Ust, "0", "230V\n", "230", "V", ""},
    {"HugeBlanksEn", Loc::en, Cs(0), "0",
     std::string(100000, ' ') + "4n7" + std::string(99999, ' '), "4.7", "nF", ""},
    {"SameTextAndLineFeedEn", Loc::en, Cs(0), "100", "100\n", "100", "pF", ""},
    {"NarrowNoBreakSpaceRo", Loc::ro, Cs(0), "1000", "1000\u202F", "1000", "pF", ""},
    {"TabFromACellCh", Loc::ch, Cs(0), "0", "5\t", "5", "pF", ""},
    {"OtherMarkWithUnitEn", Loc::en, Cs(0), "0", "0,001 nF", "0.001", "nF", ""},
    {"OtherMarkAloneRo", Loc::ro, Ust, "0", "12.5", "12,5", "V", ""},
    {"BadGroupFr", Loc::fr, Cs(0), "0", "0 001", "0", "pF", "„0 001” nu se poate citi"},
    {"LineBreakInsideEn", Loc::en, Cs(0), "7", "4\n7", "7", "pF", "Textul lipit (are mai multe"},
    {"LettersRo", Loc::ro, Cs(1), "7", "abc", "7", "pF", "„abc” nu se poate citi"},
    {"NegativeEn", Loc::en, Ust, "9", "-5", "9", "V", "„-5” este negativ"},
    {"TooLongWithUnitFr", Loc::fr, Cs(0), "4", "1234567 nF", "4", "pF",
     "Textul lipit este prea lung"},
};

class Pastes : public ::testing::TestWithParam<PasteCase> {};

TEST_P(Pastes, AreReadWholeOrRefusedWholeWithTheReason) {
    const PasteCase &c = GetParam();
    frmTolvarine form(FormatOf(c.loc));
    form.Start({});
    Type(form, c.field, c.before);
    const auto outcome = Paste(form, c.field, c.pasted);
    EXPECT_EQ(form.Field(c.field).Text(), c.text);
    EXPECT_EQ(UnitOf(form, c.field), c.unit);
    const std::string &band = form.LabelOf(Eroare).Caption();
    EXPECT_EQ(outcome.pasteRefused, *c.message != '\0');
    EXPECT_TRUE(band.starts_with(c.message)) << band;
    EXPECT_EQ(form.LabelOf(Eroare).Shown(), *c.message != '\0');
}

INSTANTIATE_TEST_SUITE_P(Table, Pastes, ::testing::ValuesIn(kPastes),
                         [](const auto &info) { return std::string(info.param.name); });

// A sequence of actions and what a field shows afterwards.
struct Step {
    enum Kind { Keys, KeysAtEnd, Pasted, Choose, Undo, Redo, Reset } kind;
    ControlId field;
    const char *text = "";   // typed or pasted; for Choose the unit
    const char *expect = ""; // the field's text afterwards; empty: not checked
    const char *unit = "";
};

struct SequenceCase {
    const char *name;
    Loc loc;
    std::vector<Step> steps;
};

void PrintTo(const SequenceCase &c, std::ostream *os) {
    *os << c.name;
}

void Do(frmTolvarine &form, const Step &s) {
    switch (s.kind) {
    case Step::Keys:
        TypeKeys(form, s.field, s.text);
        break;
    case Step::KeysAtEnd:
        for (const char key : std::string(s.text))
            EditAt(form, s.field, CharacterCount(form.Field(s.field).Text()), 0, {key});
        break;
    case Step::Pasted:
        Paste(form, s.field, s.text);
        break;
    case Step::Choose: {
        const ControlId list = s.field.control == Control::txtUst ? UstUnit
                               : s.field.control == Control::txtUn
                                   ? ControlId{Control::cboUn, s.field.index}
                                   : CsUnit(s.field.index);
        window::Choose(form, list, s.text);
        break;
    }
    case Step::Undo:
        form.UserUndo(s.field);
        break;
    case Step::Redo:
        form.UserRedo(s.field);
        break;
    case Step::Reset:
        form.UserClick(Clear);
        break;
    }
}

using S = Step;
const SequenceCase kSequences[] = {
    // The edit as it was made, and the decimals after a unit letter only
    // while digits follow in the same field.
    {"SixthDigitAfterALetterIsRefusedQuietlyEn",
     Loc::en,
     {{S::Keys, Cs(0), "12345n6", "12345", "nF"}}},
    {"UndoEndsTheDecimalsRo",
     Loc::ro,
     {{S::Keys, Cs(0), "4n", "4", "nF"},
      {S::Undo, Cs(0), "", "4", "pF"},
      {S::Undo, Cs(0), "", "0", "pF"},
      {S::KeysAtEnd, Cs(0), "7", "07", "pF"}}},
    {"UndoInAnotherFieldEndsTheDecimalsEn",
     Loc::en,
     {{S::Keys, Ust, "7v", "7", "V"}, {S::Undo, Cs(1)}, {S::KeysAtEnd, Ust, "1", "71", "V"}}},
    {"NewValueOverTheSelectionEndsThePrefixEn",
     Loc::en,
     {{S::Keys, Ust, "1k", "1", "kV"},
      {S::Keys, Ust, "7V", "7", "V"},
      {S::Keys, Ust, "2m", "2", "mV"},
      {S::Keys, Ust, "v42", "0.42", "V"}}},
    {"RefusedPasteEndsTheDecimalsFr",
     Loc::fr,
     {{S::Keys, Cs(0), "4n", "4", "nF"},
      {S::Pasted, Cs(0), "1234567 nF", "4", "nF"},
      {S::KeysAtEnd, Cs(0), "5", "45", "nF"}}},
    // Undo and redo bring back the text with its unit.
    {"UndoAPasteWithItsUnitEn",
     Loc::en,
     {{S::Keys, Cs(0), "33", "33", "pF"},
      {S::Pasted, Cs(0), "4.7 µF", "4.7", "uF"},
      {S::Undo, Cs(0), "", "33", "pF"},
      {S::Redo, Cs(0), "", "4.7", "uF"}}},
    {"UndoALetterTypedRo",
     Loc::ro,
     {{S::Keys, Ust, "10", "10", "V"},
      {S::Keys, Ust, "1k5", "1,5", "kV"},
      {S::Undo, Ust, "", "1", "kV"},
      {S::Undo, Ust, "", "1", "V"},
      {S::Undo, Ust, "", "10", "V"}}},
    {"UndoAfterResetCh",
     Loc::ch,
     {{S::Keys, Cs(0), "47n", "47", "nF"},
      {S::Reset, Cs(0), "", "0", "pF"},
      {S::Undo, Cs(0), "", "47", "nF"}}},
    {"UndoAListChoiceFr",
     Loc::fr,
     {{S::Keys, Cs(2), "22", "22", "pF"},
      {S::Choose, Cs(2), "uF", "22", "uF"},
      {S::Undo, Cs(2), "", "22", "pF"},
      {S::Redo, Cs(2), "", "22", "uF"}}},
    {"UndoRatingAndFrequencyEn",
     Loc::en,
     {{S::Keys, Un0, "160", "160", "V"},
      {S::Choose, Un0, "kV", "160", "kV"},
      {S::Undo, Un0, "", "160", "V"},
      {S::Keys, Frec, "1k", "1000"},
      {S::Undo, Frec, "", "1"},
      {S::Undo, Frec, "", "50"}}},
};

class Sequences : public ::testing::TestWithParam<SequenceCase> {};

TEST_P(Sequences, LeaveEachFieldWithTheTextAndUnitMeant) {
    const SequenceCase &c = GetParam();
    frmTolvarine form(FormatOf(c.loc));
    form.Start({});
    int n = 0;
    for (const Step &s : c.steps) {
        SCOPED_TRACE(testing::Message() << "step " << ++n);
        Do(form, s);
        if (*s.expect) {
            EXPECT_EQ(form.Field(s.field).Text(), s.expect);
            EXPECT_EQ(UnitOf(form, s.field), s.unit);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Table, Sequences, ::testing::ValuesIn(kSequences),
                         [](const auto &info) { return std::string(info.param.name); });

struct NoteCase {
    const char *name;
    Loc loc;
    ControlId field;
    const char *typed;
    const char *note; // empty: none
};

void PrintTo(const NoteCase &c, std::ostream *os) {
    *os << c.name;
}

const NoteCase kNotes[] = {
    {"PointGroupsRo", Loc::ro, Cs(0), "4.700",
     "C1: „4.700” este citit 4700 (punctul desparte miile; pentru zecimale scrieți 4,7)"},
    {"PointDecimalRo", Loc::ro, Cs(0), "4.7", ""},
    {"CommaGroupsEn", Loc::en, Ust, "4,700",
     "Tensiunea aplicată: „4,700” este citit 4700 (virgula desparte miile; pentru zecimale "
     "scrieți 4.7)"},
    {"WholeDecimalsEn", Loc::en, Cs(1), "1,000",
     "C2: „1,000” este citit 1000 (virgula desparte miile; pentru zecimale scrieți 1.000)"},
    {"CommaReadAsDecimalEn", Loc::en, Cs(1), "1,0", ""},
    {"PointIsDecimalFr", Loc::fr, Cs(0), "4.700", ""},
    {"PointIsDecimalCh", Loc::ch, Cs(0), "4.700", ""},
};

class AmbiguousMark : public ::testing::TestWithParam<NoteCase> {};

TEST_P(AmbiguousMark, IsNamedInANeutralNoteUntilAnotherFieldIsEdited) {
    const NoteCase &c = GetParam();
    frmTolvarine form(FormatOf(c.loc));
    form.Start({});
    TypeKeys(form, c.field, c.typed);
    EXPECT_EQ(form.Field(c.field).Text(), c.typed);
    EXPECT_EQ(form.Note(), c.note);
    EXPECT_FALSE(form.LabelOf(Eroare).Shown()); // no failure, no alert
    EXPECT_EQ(form.Band(), *c.note ? frmTolvarine::BandKind::Note : frmTolvarine::BandKind::None);
    if (*c.note) {
        EXPECT_EQ(form.NoteField(), c.field);
    }
    Type(form, Cs(3), "1");
    EXPECT_EQ(form.Band(), frmTolvarine::BandKind::None);
}

INSTANTIATE_TEST_SUITE_P(Table, AmbiguousMark, ::testing::ValuesIn(kNotes),
                         [](const auto &info) { return std::string(info.param.name); });

// The copied table: C1 as typed, and its cell.
TEST(CopiedTable, WritesEveryInputAsTheValueReadInTheLocalesFormat) {
    const std::tuple<Loc, const char *, const char *> cases[] = {
        {Loc::ro, "1.5", "1,5"},    {Loc::en, "1.5", "1.5"},    {Loc::ro, "4.700", "4700"},
        {Loc::fr, "1 000", "1000"}, {Loc::ch, "1'000", "1000"}, {Loc::ch, "0.50", "0.5"},
        {Loc::fr, "0,5", "0,5"},
    };
    for (const auto &[loc, typed, cell] : cases) {
        frmTolvarine form(FormatOf(loc));
        form.Start({});
        TypeKeys(form, Cs(0), typed);
        const std::string table = ResultsTable(form);
        const std::size_t row = table.find("\nC1\t") + 4;
        EXPECT_EQ(table.substr(row, table.find('\t', row) - row), cell) << typed;
    }
}

} // namespace
} // namespace window
