// SPDX-License-Identifier: GPL-3.0-or-later
// The one decimal mark of a pasted value, in the locales the window meets.
#include "unit_notation.h"

#include "locale_formats.h"

#include <gtest/gtest.h>

namespace window {
namespace {

struct MarkCase {
    const char *name;
    runtime::NumberFormat format;
    const char *pasted;
    const char *expected;
};

const MarkCase kMarks[] = {
    {"CommaInEnglish", test_support::EnglishFormat(), "0,001 nF", "0.001 nF"},
    {"EnglishGroupStays", test_support::EnglishFormat(), "1,000", "1,000"},
    {"LongLeadIsNoGroup", test_support::EnglishFormat(), "1234,567", "1234.567"},
    {"PointInRomanian", test_support::RomanianFormat(), "4.7nF", "4,7nF"},
    {"RomanianGroupStays", test_support::RomanianFormat(), "4.700", "4.700"},
    {"PointInFrench", test_support::FrenchFormat(), "1.5 kV", "1,5 kV"},
    {"CommaInSwiss", test_support::SwissFormat(), "4,7", "4.7"},
    {"TwoMarksStay", test_support::EnglishFormat(), "1,000,000", "1,000,000"},
    {"LocaleMarkAlreadyThere", test_support::EnglishFormat(), "1,000.5", "1,000.5"},
};

class PastedMark : public ::testing::TestWithParam<MarkCase> {};

TEST_P(PastedMark, BecomesTheLocalesWhereItIsReadAsTheDecimal) {
    const MarkCase &c = GetParam();
    EXPECT_EQ(WithLocaleMark(c.pasted, "", c.format), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, PastedMark, ::testing::ValuesIn(kMarks),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace window
