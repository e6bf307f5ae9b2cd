// SPDX-License-Identifier: GPL-3.0-or-later
// Unit letters in the value fields, one edit at a time, in English and
// Romanian number formats.
#include "unit_notation.h"

#include "locale_formats.h"

#include <gtest/gtest.h>

namespace window {
namespace {

using runtime::NumberFormat;
constexpr auto C = UnitKind::Capacitance;
constexpr auto V = UnitKind::Voltage;

// One edit, the caret where it goes, and whether a digit typed next goes on
// as the decimals. Key by key, the form's tests type them.
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
    {"PasteCommaNanoRomanian", C, true, "0", "4,7 nF", 6, Edit("4,7", 3, "nF", false)},
    {"PastePointNanoEnglish", C, false, "0", "4.7nF", 5, Edit("4.7", 3, "nF")},
    {"PastePicofarads", C, false, "0", "100 pF", 6, Edit("100", 3, "pF", true)},
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
