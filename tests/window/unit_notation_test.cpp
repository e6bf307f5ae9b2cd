// Unit letters in the value fields, key by key and pasted, in English and
// Romanian number formats.
#include "unit_notation.h"

#include "locale_formats.h"
#include "user_edit.h"

#include <gtest/gtest.h>

namespace window {
namespace {

using runtime::NumberFormat;
constexpr auto C = UnitKind::Capacitance;
constexpr auto V = UnitKind::Voltage;

// Keys typed one by one at the end of an empty field; a key that no unit
// letter handles goes into the text as typed.
struct Typed {
    std::string text;
    std::string unit;
};

Typed TypeKeys(UnitKind kind, const std::string &keys, const NumberFormat &format) {
    Typed typed;
    bool decimalsFollow = false;
    for (std::size_t i = 0; i < keys.size();) {
        std::size_t next = i + 1;
        while (next < keys.size() && (static_cast<unsigned char>(keys[next]) & 0xC0) == 0x80)
            ++next;
        const std::string proposed = typed.text + keys.substr(i, next - i);
        const auto edit = ApplyUnitNotation(kind, typed.text, proposed, CharacterCount(proposed),
                                            decimalsFollow, format);
        typed.text = edit ? edit->text : proposed;
        if (edit && !edit->unit.empty())
            typed.unit = edit->unit;
        decimalsFollow = edit && edit->decimalsFollow;
        i = next;
    }
    return typed;
}

struct KeysCase {
    const char *name;
    UnitKind kind;
    const char *keys;
    const char *english;  // the text in English
    const char *romanian; // the text in Romanian
    const char *unit;     // empty: no unit chosen
};

void PrintTo(const KeysCase &c, std::ostream *os) {
    *os << c.name;
}

const KeysCase kKeys[] = {
    {"RkmNano", C, "4n7", "4.7", "4,7", "nF"},
    {"RkmMicro", C, "2u2", "2.2", "2,2", "uF"},
    {"RkmMicroSign", C, "2µ2", "2.2", "2,2", "uF"},
    {"RkmCapitalN", C, "4N7", "4.7", "4,7", "nF"},
    {"RkmKilo", V, "1k5", "1.5", "1,5", "kV"},
    {"RkmCapitalK", V, "1K5", "1.5", "1,5", "kV"},
    {"UnitAfterDigits", C, "100n", "100", "100", "nF"},
    {"UnitWithItsFarad", C, "100pF", "100", "100", "pF"},
    {"VoltsLowerCase", V, "230v", "230", "230", "V"},
    {"Millivolts", V, "500m", "500", "500", "mV"},
    {"MillivoltsWithTheirV", V, "230mV", "230", "230", "mV"},
    {"MicrovoltsCapitalU", V, "5U", "5", "5", "uV"},
    {"UnitLetterFirst", C, "n47", "47", "47", "nF"},
    {"SeparatorGetsOnlyTheUnitEnglish", C, "4.7n", "4.7", "4,7", "nF"},
    {"SeparatorGetsOnlyTheUnitRomanian", C, "4,7n", "4.7", "4,7", "nF"},
    {"LaterUnitReplacesTheFirst", C, "4n7p", "4.7", "4,7", "pF"},
    {"CapitalMIsNoUnit", V, "1M", "1M", "1M", ""},
    {"ExponentStays", C, "1e", "1e", "1e", ""},
    {"MilliIsNoCapacitance", C, "1m", "1m", "1m", ""},
    {"OtherLetters", C, "abc", "abc", "abc", ""},
};

class NotationByKeys : public ::testing::TestWithParam<KeysCase> {};

TEST_P(NotationByKeys, ChoosesTheUnitAndPlacesTheDecimalSeparator) {
    const KeysCase &c = GetParam();
    const Typed english = TypeKeys(c.kind, c.keys, test_support::EnglishFormat());
    const Typed romanian = TypeKeys(c.kind, c.keys, test_support::RomanianFormat());
    EXPECT_EQ(romanian.text, c.romanian);
    EXPECT_EQ(romanian.unit, c.unit);
    EXPECT_EQ(english.text, c.english);
    EXPECT_EQ(english.unit, c.unit);
}

INSTANTIATE_TEST_SUITE_P(Table, NotationByKeys, ::testing::ValuesIn(kKeys),
                         [](const auto &info) { return std::string(info.param.name); });

// One edit: a paste over the whole text, or a letter typed in the middle.
struct EditCase {
    const char *name;
    UnitKind kind;
    bool romanian;
    const char *current;
    const char *proposed;
    std::size_t caret;
    std::optional<NotationEdit> expected;
};

void PrintTo(const EditCase &c, std::ostream *os) {
    *os << c.name;
}

NotationEdit Edit(const char *text, std::size_t caret, const char *unit, bool follow = false) {
    return {text, caret, unit, follow};
}

const EditCase kEdits[] = {
    {"PasteCommaNanoEnglish", C, false, "0", "4,7 nF", 6, Edit("4.7", 3, "nF", false)},
    {"PasteCommaNanoRomanian", C, true, "0", "4,7 nF", 6, Edit("4,7", 3, "nF", false)},
    {"PastePointNanoEnglish", C, false, "0", "4.7nF", 5, Edit("4.7", 3, "nF")},
    {"PastePointNanoRomanian", C, true, "0", "4.7nF", 5, Edit("4,7", 3, "nF")},
    {"PastePicofarads", C, false, "0", "100 pF", 6, Edit("100", 3, "pF", true)},
    {"PasteKilovoltsRomanian", V, true, "0", "1.5 kV", 6, Edit("1,5", 3, "kV")},
    {"PasteRkm", C, false, "0", "4n7", 3, Edit("4.7", 3, "nF")},
    {"PasteLongerThanTheLimit", C, false, "0", "1000.25 nF", 10, Edit("1000.25", 7, "nF")},
    {"PasteGroupedThousandsEnglish", C, false, "0", "1,000 nF", 8, Edit("1,000", 5, "nF", true)},
    {"PasteGroupedThousandsRomanian", C, true, "0", "1.000 nF", 8, Edit("1.000", 5, "nF", true)},
    {"LetterBetweenTypedDigits", C, false, "47", "4n7", 2, Edit("4.7", 2, "nF")},
    {"LetterBetweenDigitsRomanian", V, true, "15", "1k5", 2, Edit("1,5", 2, "kV")},
    {"OtherLettersKeepTheWindowsRule", C, false, "0", "inf", 3, std::nullopt},
    {"TwoUnitsAreNoNotation", C, false, "0", "2 nF 3 pF", 9, std::nullopt},
    {"NoLetterNoNotation", C, false, "4", "47", 2, std::nullopt},
};

class NotationOfAnEdit : public ::testing::TestWithParam<EditCase> {};

TEST_P(NotationOfAnEdit, RewritesTheTextAndTheCaret) {
    const EditCase &c = GetParam();
    const NumberFormat format =
        c.romanian ? test_support::RomanianFormat() : test_support::EnglishFormat();
    const auto edit = ApplyUnitNotation(c.kind, c.current, c.proposed, c.caret, false, format);
    ASSERT_EQ(edit.has_value(), c.expected.has_value());
    if (!edit)
        return;
    EXPECT_EQ(edit->text, c.expected->text);
    EXPECT_EQ(edit->caret, c.expected->caret);
    EXPECT_EQ(edit->unit, c.expected->unit);
    EXPECT_EQ(edit->decimalsFollow, c.expected->decimalsFollow);
}

INSTANTIATE_TEST_SUITE_P(Table, NotationOfAnEdit, ::testing::ValuesIn(kEdits),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace window
