// SPDX-License-Identifier: GPL-3.0-or-later
// The window model without a toolkit: one recalculation of four
// capacitances (with and without the rating check), and one keystroke
// (validation and recalculation).
#include "form_driver.h"
#include "locale_formats.h"

#include <benchmark/benchmark.h>

namespace {

using window::Choose;
using window::Cs;
using window::Cst;
using window::CsUnit;
using window::frmTolvarine;
using window::IsShown;
using window::Text;
using window::Type;
using window::Ust;
using window::UstUnit;
using window::UsUnit;

void EnterFourCapacitors(frmTolvarine &form) {
    Choose(form, CsUnit(0), "nF");
    Choose(form, CsUnit(1), "nF");
    Choose(form, CsUnit(2), "uF");
    Type(form, Cs(0), "10");
    Type(form, Cs(1), "22");
    Type(form, Cs(2), "0.47");
    Type(form, Cs(3), "3300");
    Type(form, Ust, "230");
}

// Choosing the applied voltage's unit again runs its click handler, which
// recalculates once; the delivery around it costs little.
void BM_Recalculate(benchmark::State &state) {
    frmTolvarine form(test_support::EnglishFormat());
    form.Start({});
    EnterFourCapacitors(form);
    for (auto _ : state)
        form.UserChoose(UstUnit, 2); // V
    if (!IsShown(form, Cst) || Text(form, UsUnit(0)) != "V")
        state.SkipWithError("the loop did not recalculate four capacitors");
}
BENCHMARK(BM_Recalculate);

// The same with the rating check's panel open, which checks each result too.
void BM_RecalculateWithPanel(benchmark::State &state) {
    frmTolvarine form(test_support::EnglishFormat());
    form.Start({});
    form.UserShowPanel(true);
    EnterFourCapacitors(form);
    for (auto _ : state)
        form.UserChoose(UstUnit, 2); // V
    if (form.Field({window::Control::txtUmax, 0}).Text().empty())
        state.SkipWithError("the loop did not check the ratings");
}
BENCHMARK(BM_RecalculateWithPanel);

// One keystroke: "5" typed after "10", then deleted again; each is one edit
// of the field with its validation and one recalculation.
void BM_KeystrokeModel(benchmark::State &state) {
    frmTolvarine form(test_support::EnglishFormat());
    form.Start({});
    EnterFourCapacitors(form);
    bool typed = false;
    for (auto _ : state) {
        if (typed)
            form.UserEdit(Cs(0), "10", 2);
        else
            form.UserEdit(Cs(0), "105", 3);
        typed = !typed;
    }
    if (Text(form, Cs(0)) != (typed ? "105" : "10"))
        state.SkipWithError("the keystrokes did not reach the field");
}
BENCHMARK(BM_KeystrokeModel);

} // namespace
