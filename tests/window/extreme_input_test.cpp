// SPDX-License-Identifier: GPL-3.0-or-later
// Whatever a user types or pastes, the form answers: every value field with
// the edges of the range of numbers, each followed by every unit letter the
// field takes, typed key by key, pasted, and pasted then finished by a typed
// letter. And a typed key that the limit refuses is told, as are the pastes
// that look empty or like numbers.
#include "design_values.h"
#include "error_message.h"
#include "form_driver.h"
#include "input_reading.h"
#include "locale_formats.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

namespace window {
namespace {

const ControlId Frec{Control::txtFrec, 0};

const char *const kExtremes[] = {
    "9e307",    "1e308",    "1.7976931348623157e308",
    "1e-320",   "4.9e-324", "2.2250738585072014e-308",
    "1.79e308", "2e305",    "1e306",
};

// The unit letters that each kind of field takes, and none.
std::vector<std::string> SuffixesOf(ControlId field) {
    switch (field.control) {
    case Control::txtCs:
        return {"", "p", "n", "u", "\u00B5", "F", "nF", "uF"};
    case Control::txtUst:
    case Control::txtUn:
        return {"", "u", "m", "k", "V", "kV", "mV"};
    case Control::txtFrec:
        return {"", "k", "M", "Hz", "kHz", "MHz"};
    default:
        return {"", "%"};
    }
}

// A part of each field's name that every message about it holds.
std::string NameIn(ControlId field) {
    switch (field.control) {
    case Control::txtCs:
    case Control::txtUn:
        return CapacitorName(field.index);
    case Control::txtUst:
        return "ensiunea aplicat";
    case Control::txtFrec:
        return "recven";
    case Control::txtCd:
        return "capacitatea dorit";
    case Control::txtCmin:
        return "valoarea minim";
    case Control::txtCmax:
        return "valoarea maxim";
    default:
        return "oleran";
    }
}

// `keys` typed one character at a time at the end of the field.
void TypeAtEnd(frmTolvarine &form, ControlId field, const std::string &keys) {
    for (std::size_t i = 0; i < keys.size();) {
        const std::size_t length = ByteOffset(std::string_view(keys).substr(i), 1);
        EditAt(form, field, CharacterCount(form.Field(field).Text()), 0, keys.substr(i, length));
        i += length;
    }
}

enum class Way { Typed, Pasted, PastedThenTyped };

struct ExtremeCase {
    ControlId field;
    Way way;
};

void PrintTo(const ExtremeCase &c, std::ostream *os) {
    *os << static_cast<int>(c.field.control) << "_" << c.field.index << "_"
        << static_cast<int>(c.way);
}

std::vector<ExtremeCase> AllCases() {
    std::vector<ExtremeCase> cases;
    for (const ControlId field : kValueFields) {
        for (const Way way : {Way::Typed, Way::Pasted, Way::PastedThenTyped})
            cases.push_back({field, way});
    }
    return cases;
}

class ExtremeValues : public ::testing::TestWithParam<ExtremeCase> {};

TEST_P(ExtremeValues, AreAnsweredAsTheFieldsRuleSaysNamingTheField) {
    const ExtremeCase &c = GetParam();
    for (const char *number : kExtremes) {
        for (const std::string &suffix : SuffixesOf(c.field)) {
            const std::string text = number + suffix;
            SCOPED_TRACE(text);
            frmTolvarine form(test_support::RomanianFormat());
            form.Start({});
            form.UserShowPanel(true);
            Type(form, Cs(0), "1");
            Type(form, Cs(1), "2");
            const std::string before = form.Field(c.field).Text();
            frmTolvarine::EditOutcome outcome;
            if (c.way == Way::Typed) {
                ASSERT_NO_THROW(TypeKeys(form, c.field, text));
            } else if (c.way == Way::Pasted) {
                ASSERT_NO_THROW(outcome = Paste(form, c.field, text));
            } else {
                ASSERT_NO_THROW(Paste(form, c.field, number));
                ASSERT_NO_THROW(TypeAtEnd(form, c.field, suffix));
            }
            const std::string &after = form.Field(c.field).Text();
            if (!(after.empty() && c.field.control == Control::txtUn) && after != "0") {
                EXPECT_TRUE(IsInputNumber(after, form.Format())) << after;
                EXPECT_GE(InputValue(after, form.Format()), 0) << after;
            }
            if (outcome.pasteRefused) {
                EXPECT_EQ(after, before);
            }
            if (form.LabelOf(Eroare).Shown()) {
                EXPECT_NE(form.LabelOf(Eroare).Caption().find(NameIn(c.field)), std::string::npos)
                    << form.LabelOf(Eroare).Caption();
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryValueField, ExtremeValues, ::testing::ValuesIn(AllCases()));

// An edit after `before` was typed into the field: keys typed one by one at
// the end, or a paste of `inserted` over [from, from + removed).
struct EditCase {
    const char *name;
    runtime::NumberFormat format;
    ControlId field;
    const char *before;
    bool pasted;
    std::string inserted;
    std::size_t from;
    std::size_t removed;
    const char *text;
    const char *unit; // the field's unit list, or "" for a field without one
    const char *band; // the start of the band's message, "" for none
};

void PrintTo(const EditCase &c, std::ostream *os) {
    *os << c.name;
}

const std::string kBlanks(50000, ' ');

const EditCase kEdits[] = {
    // A typed key past the limit is told; a unit letter after it goes too.
    {"PastLimitThenUnitRo", test_support::RomanianFormat(), Cs(0), "", false, "0,00047u", 0, 0,
     "0,0004", "pF", "Caracterul tastat nu a fost adăugat: C1 are cel mult 6"},
    {"PastLimitThenUnitEn", test_support::EnglishFormat(), Cs(1), "", false, "0.00047n", 0, 0,
     "0.0004", "pF", "Caracterul tastat nu a fost adăugat: C2"},
    {"PastLimitVoltsFr", test_support::FrenchFormat(), Ust, "", false, "1000000", 0, 0, "100000",
     "V", "Caracterul tastat nu a fost adăugat: tensiunea aplicată"},
    {"PastLimitKiloCh", test_support::SwissFormat(), Ust, "", false, "1234567k", 0, 0, "123456",
     "V", "Caracterul tastat nu a fost adăugat"},
    {"WithinLimitNoNoticeRo", test_support::RomanianFormat(), Cs(0), "", false, "0,047u", 0, 0,
     "0,047", "uF", ""},
    // A paste reaches the form whole and is read by its rules.
    {"BlanksAroundNanoRo", test_support::RomanianFormat(), Cs(0), "0", true,
     kBlanks + "47n" + kBlanks, 0, 1, "47", "nF", ""},
    {"ZeroWidthSpaceEn", test_support::EnglishFormat(), Cs(0), "0", true, "4\u200B7", 0, 1, "47",
     "pF", ""},
    {"JoinersHyphenBomFr", test_support::FrenchFormat(), Cs(0), "0", true,
     "\uFEFF1\u200D0\u200C0\u2060\u00AD", 0, 1, "100", "pF", ""},
    {"MarkShownInTheReasonRo", test_support::RomanianFormat(), Cs(0), "5", true, "4\u200E7", 0, 1,
     "5", "pF", "„4<U+200E>7” nu se poate citi"},
    // The base letter alone is the base unit.
    {"FaradTypedRo", test_support::RomanianFormat(), Cs(0), "", false, "47F", 0, 0, "47000000",
     "uF", ""},
    {"FaradPastedEn", test_support::EnglishFormat(), Cs(2), "0", true, "4.7 F", 0, 1, "4700000",
     "uF", ""},
    {"FaradOverflowPastedCh", test_support::SwissFormat(), Cs(3), "3", true, "1e305F", 0, 1, "3",
     "pF", "Capacitatea C4 este prea mare: valoarea ei în uF"},
    // The other mark goes to the locale's only for the field's whole value.
    {"OtherMarkInsideEn", test_support::EnglishFormat(), Cs(0), "15", true, ",69", 1, 0, "1,695",
     "pF", ""},
    {"OtherMarkInsideRo", test_support::RomanianFormat(), Cs(0), "15", true, ".69", 1, 0, "1.695",
     "pF", ""},
    {"OtherMarkWholeFr", test_support::FrenchFormat(), Cs(0), "15", true, "1.5", 0, 2, "1,5", "pF",
     ""},
    // A frequency scaled beyond the largest number: refused with the reason.
    {"FrequencyOverflowPastedRo", test_support::RomanianFormat(), Frec, "50", true, "9e307k", 0, 2,
     "50", "", "Frecvența este prea mare"},
    {"FrequencyMegaOverflowPastedEn", test_support::EnglishFormat(), Frec, "50", true, "1e306M", 0,
     2, "50", "", "Frecvența este prea mare"},
    {"FrequencyHertzPastedCh", test_support::SwissFormat(), Frec, "1", true, "50Hz", 0, 1, "50", "",
     ""},
};

class Edits : public ::testing::TestWithParam<EditCase> {};

TEST_P(Edits, GiveTheValueMeantOrSayWhy) {
    const EditCase &c = GetParam();
    frmTolvarine form(c.format);
    form.Start({});
    form.UserShowPanel(true);
    Type(form, c.field, c.before);
    if (c.pasted)
        EditAt(form, c.field, c.from, c.removed, c.inserted, EditSource::Pasted);
    else
        TypeKeys(form, c.field, c.inserted);
    EXPECT_EQ(form.Field(c.field).Text(), c.text);
    const std::string unit = c.field.control == Control::txtCs
                                 ? form.List(CsUnit(c.field.index)).Text()
                             : c.field.control == Control::txtUst ? form.List(UstUnit).Text()
                                                                  : "";
    EXPECT_EQ(unit, c.unit);
    const std::string &band = form.LabelOf(Eroare).Caption();
    EXPECT_TRUE(band.starts_with(c.band)) << band;
    EXPECT_EQ(form.LabelOf(Eroare).Shown(), *c.band != '\0') << band;
}

INSTANTIATE_TEST_SUITE_P(Table, Edits, ::testing::ValuesIn(kEdits),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace window
