// SPDX-License-Identifier: GPL-3.0-or-later
#include "results_table.h"

#include "design_model.h"
#include "frm_tolvarine.h"
#include "input_reading.h"
#include "rating_model.h"

#include <initializer_list>
#include <string_view>

namespace window {
namespace {

void AddRow(std::string &table, std::initializer_list<std::string_view> cells) {
    bool first = true;
    for (const std::string_view cell : cells) {
        if (!first)
            table += '\t';
        table += cell;
        first = false;
    }
    table += '\n';
}

void AddRatingCheck(std::string &table, const RatingModel &rating,
                    const runtime::NumberFormat &format) {
    const auto text = [&rating](Control control, int k = 0) -> std::string_view {
        return rating.Field({control, k})->Text();
    };
    const auto input = [&rating, &format](Control control, int k = 0) {
        return WrittenInput(rating.Field({control, k})->Text(), format);
    };
    table += '\n';
    AddRow(table, {"Verificare", rating.LabelOf({Control::lblVerifCap, 0})->Caption(), "Unitate",
                   "Fel", "U max efectivă", "Unitate", "U max de vârf", "Unitate",
                   rating.LabelOf({Control::lblVerifCap, 3})->Caption(), "Unitate", "Stare",
                   "Față de", "Energie max. la vârf", "Unitate"});
    for (int k = 0; k < 4; ++k) {
        const calc::Margin margin = rating.MarginOf(k);
        const std::string_view state = margin == calc::Margin::Exceeds  ? "depășește"
                                       : margin == calc::Margin::Within ? "în limită"
                                                                        : "";
        // What the margin is taken against, after the rating's kind.
        const std::string_view against =
            rating.KindOf(k) == calc::RatingKind::AlternatingRms ? "efectivă" : "vârf";
        AddRow(table, {CapacitorName(k), input(Control::txtUn, k),
                       rating.List({Control::cboUn, k})->Text(),
                       rating.List({Control::cboTipUn, k})->Text(), text(Control::txtUmax, k),
                       text(Control::txtUMUmax, k), text(Control::txtUvarf, k),
                       text(Control::txtUMUvarf, k), text(Control::txtMarja, k),
                       text(Control::txtUMMarja, k), state, against, text(Control::txtW, k),
                       text(Control::txtUMW, k)});
    }
    AddRow(table, {"Toleranță ±", input(Control::txtTol), "%"});
    AddRow(table, {"Frecvență", input(Control::txtFrec), "Hz"});
    AddRow(table, {"Sarcina Q, nominală efectivă", text(Control::txtQ), text(Control::txtUMQ)});
    AddRow(table, {"Energie W, la vârful nominal", text(Control::txtWt), text(Control::txtUMWt)});
    AddRow(table, {"Reactanță Xc, nominală", text(Control::txtXc), text(Control::txtUMXc)});
    AddRow(table, {"Curent I, nominal efectiv", text(Control::txtI), text(Control::txtUMI)});
}

// The design part's rows, best first, with the row's marks.
void AddDesign(std::string &table, const DesignModel &design) {
    table += '\n';
    AddRow(table, {"Proiectare", "Condensatoare", "Capacitate echivalentă", "Unitate", "Abatere",
                   "U max", "Tensiuni nominale"});
    int number = 0;
    for (const DesignRow &row : design.Rows()) {
        AddRow(table, {std::to_string(++number), row.parts, row.equivalent, row.unit, row.deviation,
                       PerPart(row.worst, row.count), PerPart(row.ratings, row.count)});
    }
}

} // namespace

std::string ResultsTable(const frmTolvarine &form) {
    const auto input = [&form](ControlId id) {
        return WrittenInput(form.Field(id).Text(), form.Format());
    };
    std::string table;
    AddRow(table, {"Condensator", "Capacitate", "Unitate", "Tensiune", "Unitate"});
    for (int k = 0; k < 4; ++k) {
        AddRow(table,
               {CapacitorName(k), input({Control::txtCs, k}), form.List({Control::cboCs, k}).Text(),
                form.Field({Control::txtUs, k}).Text(), form.Field({Control::txtUMUs, k}).Text()});
    }
    AddRow(table, {"Tensiunea aplicată", input({Control::txtUst, 0}),
                   form.List({Control::cboUst, 0}).Text()});
    // A hidden equivalent capacitance is no result: no capacitor is present.
    const TextField &equivalent = form.Field({Control::txtCst, 0});
    const std::string_view unit =
        equivalent.Shown() ? std::string_view(form.LabelOf({Control::lblUMs, 0}).Caption()) : "";
    AddRow(table, {"Capacitate echivalentă", equivalent.Shown() ? equivalent.Text() : "", unit});
    if (form.PanelOpen())
        AddRatingCheck(table, form.Rating(), form.Format());
    if (form.DesignOpen())
        AddDesign(table, form.Design());
    return table;
}

} // namespace window
