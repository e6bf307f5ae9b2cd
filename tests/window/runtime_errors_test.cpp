// A computation that fails ends its run only: the window shows a message and
// no stale or partial result, and the next good input brings everything back.
#include "error_message.h"
#include "form_driver.h"
#include "locale_formats.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace window {
namespace {

const Shown kCleared{"", "", true, {"", "", "", ""}, {"", "", "", ""}};
const std::string kOverflow = ErrorMessage(runtime::ErrorKind::Overflow);

struct ErrorCase {
    const char *name;
    runtime::NumberFormat format;
    std::function<void(frmTolvarine &)> provoke;
    std::function<void(frmTolvarine &)> recover;
    std::vector<std::string> inputsAfterError; // txtCs(0..3), txtUst
    Shown recovered;
};

std::vector<std::string> Inputs(const frmTolvarine &form) {
    return {Text(form, Cs(0)), Text(form, Cs(1)), Text(form, Cs(2)), Text(form, Cs(3)),
            Text(form, Ust)};
}

const ErrorCase kErrorCases[] = {
    {"CapacitanceTooLargeInMicrofarads",
     test_support::EnglishFormat(),
     [](frmTolvarine &f) {
         Choose(f, CsUnit(0), "uF");
         Type(f, Ust, "10");
         Type(f, Cs(1), "1");
         Type(f, Cs(0), "9307");
         f.UserEdit(Cs(0), "9e307", 2); // insert "e" after the 9
     },
     [](frmTolvarine &f) { f.UserEdit(Cs(0), "9307", 1); },
     {"9e307", "1", "0", "0", "10"},
     {"1", "pF", true, {"0.001", "10", "0", "0"}, {"uV", "V", "", ""}}},
    {"ReciprocalTooLarge",
     test_support::EnglishFormat(),
     [](frmTolvarine &f) {
         Type(f, Ust, "3");
         Type(f, Cs(2), "4e-320");
     },
     [](frmTolvarine &f) { f.UserEdit(Cs(2), "", 0); },
     {"0", "0", "4e-320", "0", "3"},
     {"", "", false, {"0", "0", "0", "0"}, {"", "", "", ""}}},
    {"AppliedVoltageTooLargeInKilovolts",
     test_support::EnglishFormat(),
     [](frmTolvarine &f) {
         Type(f, Cs(0), "1");
         Choose(f, UstUnit, "kV");
         Type(f, Ust, "1E308");
     },
     [](frmTolvarine &f) { Choose(f, UstUnit, "V"); },
     {"1", "0", "0", "0", "1E308"},
     {"1", "pF", true, {"1E+302", "0", "0", "0"}, {"MV", "", "", ""}}},
    // The nested run and the outer run both fail: one message.
    {"NegativePasteTooLarge",
     test_support::RomanianFormat(),
     [](frmTolvarine &f) {
         Choose(f, CsUnit(3), "uF");
         Type(f, Cs(3), "-9E307");
     },
     [](frmTolvarine &f) { Type(f, Cs(3), "2,2"); },
     {"0", "0", "0", "9E+307", "5"},
     {"2,2", "uF", true, {"0", "0", "0", "5"}, {"", "", "", "V"}}},
};

class ErrorTest : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(ErrorTest, ShowsOnlyTheMessageThenRecovers) {
    const ErrorCase &c = GetParam();
    frmTolvarine form(c.format);
    form.Start({});
    Type(form, Cs(3), "47"); // results from earlier input that must not linger
    Type(form, Cs(3), "0");
    Type(form, Ust, "5");

    EXPECT_NO_THROW(c.provoke(form));
    EXPECT_TRUE(IsShown(form, Eroare));
    EXPECT_EQ(Text(form, Eroare), kOverflow);
    EXPECT_EQ(ResultsOf(form), kCleared);
    EXPECT_EQ(Inputs(form), c.inputsAfterError);
    EXPECT_FALSE(form.EndRequested());

    EXPECT_NO_THROW(c.recover(form));
    EXPECT_FALSE(IsShown(form, Eroare));
    EXPECT_EQ(Text(form, Eroare), "");
    EXPECT_EQ(ResultsOf(form), c.recovered);
}

INSTANTIATE_TEST_SUITE_P(Cases, ErrorTest, ::testing::ValuesIn(kErrorCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(Errors, NestedAndOuterRunsBothEndAtTheError) {
    DeliveryLog log;
    frmTolvarine form(test_support::EnglishFormat(), &log);
    form.Start({});
    Choose(form, CsUnit(0), "uF");
    log.Clear();
    const std::size_t before = log.recalculations;
    Type(form, Cs(0), "-9E307");
    EXPECT_EQ(log.recalculations - before, 2u);
    EXPECT_EQ(Text(form, Cs(0)), "9E+307"); // the sign removal stays
    std::vector<int> depths;
    for (const auto &entry : log.entries)
        if (entry.id == Cs(0))
            depths.push_back(entry.depth);
    EXPECT_EQ(depths, (std::vector<int>{1, 2}));
}

TEST(Errors, ResetClearsTheMessage) {
    frmTolvarine form(test_support::EnglishFormat());
    form.Start({});
    Choose(form, UstUnit, "kV");
    Type(form, Cs(0), "1");
    Type(form, Ust, "1E308");
    ASSERT_TRUE(IsShown(form, Eroare));
    form.UserClick({Control::cmdClear, 0});
    EXPECT_FALSE(IsShown(form, Eroare));
    EXPECT_EQ(Text(form, Ust), "0");
}

TEST(Errors, EveryKindHasItsOwnRomanianMessage) {
    const runtime::ErrorKind kinds[] = {
        runtime::ErrorKind::Overflow, runtime::ErrorKind::DivisionByZero,
        runtime::ErrorKind::InvalidOperation, runtime::ErrorKind::UnreadableText};
    std::vector<std::string> seen;
    for (const auto kind : kinds) {
        const std::string message = ErrorMessage(kind);
        EXPECT_FALSE(message.empty());
        EXPECT_EQ(std::count(seen.begin(), seen.end(), message), 0);
        seen.push_back(message);
    }
    EXPECT_EQ(kOverflow.rfind("Valoare prea mare: rezultatul depășește domeniul numeric.", 0), 0u);
}

} // namespace
} // namespace window
