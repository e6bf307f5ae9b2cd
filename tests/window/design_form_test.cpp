// SPDX-License-Identifier: GPL-3.0-or-later
// The design part in the form, driven as a user does: the rows it shows, the
// use of a row, its message when nothing comes near, and its copied table.
#include "design_model.h"
#include "form_driver.h"
#include "locale_formats.h"
#include "results_table.h"

#include <gtest/gtest.h>

namespace window {
namespace {

const ControlId kTarget{Control::txtCd, 0};
const ControlId kCount{Control::cboNrC, 0};
const ControlId kSeries{Control::cboSerie, 0};
const ControlId kKind{Control::cboTipD, 0};

struct Started {
    frmTolvarine form{test_support::RomanianFormat()};
    Started() {
        form.Start({});
        form.UserShowDesign(true);
    }
};

// The rows of the cases, as the window will show them.
TEST(DesignForm, RowsOfTheKnownCases) {
    struct Case {
        const char *typed, *series, *count;
        const char *parts, *equivalent, *deviation;
    };
    const Case cases[] = {
        {"2n5", "E24", "2", "3 nF + 15 nF", "2,5 nF", "0,000 %"},
        {"2n5", "E12", "2", "2,7 nF + 33 nF", "2,496 nF", "-0,168 %"},
        {"2n5", "E24", "cel mult 4", "3 nF + 15 nF", "2,5 nF", "0,000 %"},
        {"100p", "E3", "1", "100 pF", "100 pF", "0,000 %"},
    };
    for (const Case &c : cases) {
        Started s;
        TypeKeys(s.form, kTarget, c.typed);
        Choose(s.form, kSeries, c.series);
        Choose(s.form, kCount, c.count);
        const std::vector<DesignRow> &rows = s.form.Design().Rows();
        ASSERT_FALSE(rows.empty()) << c.typed;
        EXPECT_EQ(rows[0].parts, c.parts);
        EXPECT_EQ(rows[0].equivalent + " " + rows[0].unit, c.equivalent);
        EXPECT_EQ(rows[0].deviation, c.deviation);
        EXPECT_EQ(s.form.Band(), frmTolvarine::BandKind::None);
    }
}

// 230 V AC, +-10 %: 3 nF + 15 nF needs DC 400 V, or AC 275 V, for its 3 nF part.
TEST(DesignForm, RatingsFollowTheAppliedVoltageAndKind) {
    Started s;
    TypeKeys(s.form, Ust, "230");
    TypeKeys(s.form, kTarget, "2n5");
    Choose(s.form, kSeries, "E24");
    Choose(s.form, kCount, "2");
    EXPECT_EQ(s.form.Design().Rows()[0].worst[0], "279,528 V");
    EXPECT_EQ(s.form.Design().Rows()[0].ratings[0], "400 V");
    // Used with the rating check open: it shows what the row promised.
    s.form.UserShowPanel(true);
    s.form.UserApplyDesign(0);
    EXPECT_EQ(Text(s.form, {Control::txtUvarf, 0}) + " " + Text(s.form, {Control::txtUMUvarf, 0}),
              "279,528 V");
    EXPECT_EQ(Text(s.form, {Control::txtUn, 0}) + " " + s.form.List({Control::cboUn, 0}).Text(),
              "400 V");
    EXPECT_EQ(s.form.Rating().MarginOf(0), calc::Margin::Within);
    Choose(s.form, kKind, "c.a.");
    EXPECT_EQ(s.form.Design().Rows()[0].worst[0], "197,656 V");
    EXPECT_EQ(s.form.Design().Rows()[0].ratings[0], "275 V");
    EXPECT_EQ(s.form.Design().Rows()[0].ratings[1], "275 V");
    s.form.UserApplyDesign(0);
    EXPECT_EQ(Text(s.form, {Control::txtUn, 1}), "275");
    EXPECT_EQ(s.form.List({Control::cboTipUn, 0}).Text(), "c.a.");
    TypeKeys(s.form, Ust, "1k");
    for (const DesignRow &row : s.form.Design().Rows())
        EXPECT_TRUE(row.unrated && row.ratings[0] == "—") << row.parts;
}

// Using a row: C1 to C4 hold its parts and the window its equivalent
// capacitance; each field's undo takes its own step back.
TEST(DesignForm, UsingARowWritesTheFieldsAsUndoSteps) {
    Started s;
    TypeKeys(s.form, Cs(2), "47");
    Choose(s.form, CsUnit(2), "uF");
    TypeKeys(s.form, kTarget, "2n5");
    Choose(s.form, kSeries, "E12");
    Choose(s.form, kCount, "2");
    s.form.UserShowPanel(true);
    s.form.UserApplyDesign(0);
    EXPECT_EQ(Text(s.form, Cs(0)) + " " + Text(s.form, CsUnit(0)), "2,7 nF");
    EXPECT_EQ(Text(s.form, Cs(1)) + " " + Text(s.form, CsUnit(1)), "33 nF");
    EXPECT_EQ(Text(s.form, Cs(2)), "0");
    EXPECT_EQ(Text(s.form, Cs(3)), "0");
    const DesignRow &row = s.form.Design().Rows()[0];
    EXPECT_EQ(Text(s.form, Cst) + " " + Text(s.form, CstUnit), row.equivalent + " " + row.unit);
    EXPECT_EQ(s.form.Field({Control::txtUn, 0}).Text(), "16");
    EXPECT_EQ(s.form.Field({Control::txtUn, 2}).Text(), "");

    s.form.UserUndo(Cs(0));
    EXPECT_EQ(Text(s.form, Cs(0)) + " " + Text(s.form, CsUnit(0)), "0 pF");
    EXPECT_EQ(Text(s.form, Cs(1)), "33");
    s.form.UserUndo(Cs(2));
    EXPECT_EQ(Text(s.form, Cs(2)) + " " + Text(s.form, CsUnit(2)), "47 uF");
    s.form.UserApplyDesign(99); // no such row: nothing changes
    EXPECT_EQ(Text(s.form, Cs(2)), "47");
}

TEST(DesignForm, NoCombinationNearTheTargetIsSaid) {
    Started s;
    TypeKeys(s.form, kTarget, "0,5p");
    EXPECT_TRUE(s.form.Design().Rows().empty());
    EXPECT_EQ(s.form.Band(), frmTolvarine::BandKind::Failure);
    EXPECT_EQ(Text(s.form, Eroare),
              "Nicio combinație din E12 între 10 pF și 10 uF nu se apropie de 0,5 pF");
    EXPECT_TRUE(s.form.Field(kTarget).Marked());
    TypeKeys(s.form, kTarget, "5p");
    EXPECT_EQ(s.form.Band(), frmTolvarine::BandKind::None);
    EXPECT_FALSE(s.form.Design().Rows().empty());
    // Too large in pF: said, and the window's own results stand.
    TypeKeys(s.form, Cs(0), "1");
    Type(s.form, kTarget, "9e307");
    Choose(s.form, {Control::cboCd, 0}, "uF");
    EXPECT_EQ(Text(s.form, Eroare), "Capacitatea dorită este prea mare: valoarea ei în pF "
                                    "depășește domeniul numeric. Micșorați-o.");
    EXPECT_EQ(Text(s.form, Cst), "1");
    EXPECT_TRUE(s.form.DesignFailed());
    // A tolerance of 100 % or more: the design part says so; C1 stands.
    Type(s.form, kTarget, "2");
    Type(s.form, {Control::txtTol, 0}, "150");
    EXPECT_EQ(Text(s.form, Eroare), "Toleranța trebuie să fie sub 100 %.");
    EXPECT_TRUE(s.form.DesignFailed());
    EXPECT_EQ(Text(s.form, Cst), "1");
}

// Typing in C1 asks nothing new of the search; the copied results carry the
// design table while the part is open.
TEST(DesignForm, SearchesOnlyForANewQuestionAndCopiesItsTable) {
    Started s;
    TypeKeys(s.form, kTarget, "2n5");
    Choose(s.form, kCount, "2");
    const unsigned searches = s.form.Design().Searches();
    TypeKeys(s.form, Cs(0), "4n7");
    EXPECT_EQ(s.form.Design().Searches(), searches);
    const std::string table = ResultsTable(s.form);
    EXPECT_NE(table.find("Proiectare"), std::string::npos);
    EXPECT_NE(table.find("2,7 nF + 33 nF"), std::string::npos) << table;
    s.form.UserShowDesign(false);
    EXPECT_EQ(ResultsTable(s.form).find("Proiectare"), std::string::npos);
    EXPECT_TRUE(s.form.Design().Rows().empty());
}

} // namespace
} // namespace window
