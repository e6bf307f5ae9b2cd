// SPDX-License-Identifier: GPL-3.0-or-later
// The shorter forms of a result too long for its box: the value itself, to
// fewer digits, in the locale's decimal mark; never another value.
#include "locale_formats.h"
#include "short_forms.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace calc {
namespace {

struct ShortCase {
    const char *name;
    runtime::NumberFormat format;
    const char *text;
    std::vector<std::string> first; // the longest forms, in order
    const char *last;               // the shortest; "" for none at all
};

void PrintTo(const ShortCase &c, std::ostream *os) {
    *os << c.name;
}

const ShortCase kCases[] = {
    {"DecimalsRoundedRo",
     test_support::RomanianFormat(),
     "123,456",
     {"123,46", "123,5", "123"},
     "1E+02"},
    {"LargeWholeNumberEn",
     test_support::EnglishFormat(),
     "750000000000",
     {"7.5E+11", "8E+11"},
     "8E+11"},
    {"LargeWithDecimalsFr",
     test_support::FrenchFormat(),
     "750000000000,002",
     {"750000000000,00", "750000000000,0", "750000000000", "7,50000000000002E+11"},
     "8E+11"},
    {"AlreadyScientificCh",
     test_support::SwissFormat(),
     "3.33333333333334E+293",
     {"3.33333333333334E+293", "3.3333333333333E+293"},
     "3E+293"},
    {"SmallNeverZeroEn", test_support::EnglishFormat(), "0.001", {"1E-03"}, "1E-03"},
    {"RoundsUpToTheNextPowerRo",
     test_support::RomanianFormat(),
     "999,999",
     {"1000,00", "1000,0"},
     "1E+03"},
    {"UnitIsNoNumberRo", test_support::RomanianFormat(), "MV", {}, ""},
};

class ShorterForms : public ::testing::TestWithParam<ShortCase> {};

TEST_P(ShorterForms, KeepTheValueToFewerDigits) {
    const ShortCase &c = GetParam();
    const std::vector<std::string> forms = calc::ShorterForms(c.text, c.format);
    ASSERT_GE(forms.size(), c.first.size());
    EXPECT_EQ(std::vector<std::string>(forms.begin(), forms.begin() + c.first.size()), c.first);
    EXPECT_EQ(forms.empty() ? "" : forms.back(), c.last);
}

INSTANTIATE_TEST_SUITE_P(Table, ShorterForms, ::testing::ValuesIn(kCases),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace calc
