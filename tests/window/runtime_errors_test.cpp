// SPDX-License-Identifier: GPL-3.0-or-later
// A computation that fails ends its run only: the window shows its cause with
// the inputs that caused it marked, and no stale or partial result; the next
// good input brings everything back. Every error of a handler is reported.
#include "error_message.h"
#include "form_driver.h"
#include "locale_formats.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <stdexcept>

namespace window {
namespace {

const Shown kCleared{"", "", true, {"", "", "", ""}, {"", "", "", ""}};
const ControlId kInputs[] = {Cs(0), Cs(1), Cs(2), Cs(3), Ust};

struct ErrorCase {
    const char *name;
    runtime::NumberFormat format;
    std::function<void(frmTolvarine &)> provoke;
    std::function<void(frmTolvarine &)> recover;
    std::vector<std::string> inputsAfterError; // txtCs(0..3), txtUst
    const char *messageStart;
    std::vector<ControlId> marked;
    Shown recovered;
};

std::vector<ControlId> Marked(const frmTolvarine &form) {
    std::vector<ControlId> marked;
    for (const ControlId id : kInputs)
        if (form.Field(id).Marked())
            marked.push_back(id);
    return marked;
}

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
     "Capacitatea C1 este prea mare",
     {Cs(0)},
     {"1", "pF", true, {"0.001", "10", "0", "0"}, {"uV", "V", "", ""}}},
    {"ReciprocalTooLarge",
     test_support::EnglishFormat(),
     [](frmTolvarine &f) {
         Type(f, Ust, "3");
         Type(f, Cs(2), "4e-320");
     },
     [](frmTolvarine &f) { f.UserEdit(Cs(2), "", 0); },
     {"0", "0", "4e-320", "0", "3"},
     "Capacitatea C3 este prea mică",
     {Cs(2)},
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
     "Tensiunea aplicată este prea mare: valoarea ei în volți",
     {Ust},
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
     "Capacitatea C4 este prea mare",
     {Cs(3)},
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
    EXPECT_TRUE(Text(form, Eroare).starts_with(c.messageStart)) << Text(form, Eroare);
    EXPECT_EQ(Marked(form), c.marked);
    EXPECT_EQ(ResultsOf(form), kCleared);
    EXPECT_EQ(Inputs(form), c.inputsAfterError);
    EXPECT_FALSE(form.EndRequested());

    EXPECT_NO_THROW(c.recover(form));
    EXPECT_FALSE(IsShown(form, Eroare));
    EXPECT_EQ(Text(form, Eroare), "");
    EXPECT_TRUE(Marked(form).empty());
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

// An error that is not the computation's is reported all the same.
TEST(Errors, AnyErrorOfAHandlerShowsAMessage) {
    struct FailingObserver : DeliveryObserver {
        void Delivered(const frmTolvarine &, ControlId, Notification, int) override {}
        void Recalculated() override {
            if (fail)
                throw std::logic_error("not the computation's");
        }
        bool fail = false;
    } observer;
    frmTolvarine form(test_support::EnglishFormat(), &observer);
    form.Start({});
    Type(form, Cs(0), "47");
    observer.fail = true;
    EXPECT_NO_THROW(Type(form, Cs(0), "4"));
    EXPECT_TRUE(IsShown(form, Eroare));
    EXPECT_EQ(Text(form, Eroare), UnexpectedErrorMessage());
    EXPECT_EQ(ResultsOf(form), kCleared);
    EXPECT_TRUE(Marked(form).empty());
}

// A refused paste says so until the user's next action, over the message of
// a failed computation, which comes back after it.
TEST(Errors, PasteNoticeLastsUntilTheNextAction) {
    frmTolvarine form(test_support::EnglishFormat());
    form.Start({});
    Type(form, Cs(0), "1");
    Choose(form, UstUnit, "kV");
    Type(form, Ust, "1E308");
    const std::string failure = Text(form, Eroare);
    ASSERT_FALSE(failure.empty());

    const auto outcome = form.UserEdit(Cs(1), "01234567", 8);
    EXPECT_TRUE(outcome.pasteRefused);
    EXPECT_EQ(Text(form, Eroare), "Textul lipit este prea lung pentru C2 (cel mult 6 caractere).");
    form.UserEdit(Cs(1), "0", 1); // nothing changes, yet the notice goes
    EXPECT_EQ(Text(form, Eroare), failure);
    EXPECT_EQ(Marked(form), std::vector<ControlId>{Ust});

    Choose(form, UstUnit, "V"); // good again
    EXPECT_FALSE(IsShown(form, Eroare));
    EXPECT_TRUE(Marked(form).empty());
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
    EXPECT_EQ(ErrorMessage(runtime::ErrorKind::Overflow)
                  .rfind("Valoare prea mare: rezultatul depășește domeniul numeric.", 0),
              0u);
}

} // namespace
} // namespace window
