// SPDX-License-Identifier: GPL-3.0-or-later
#include "design_layout.h"

namespace view {
namespace {

using window::Control;

constexpr int kInputTop = 330;

constexpr ControlRow Input(const char *name, Control control, int left, const char *accessible) {
    return {name,      {control, 0}, WidgetKind::Field, {left, kInputTop, 855, 360},
            kInput,    Align::Right, kWindowFont,       Border::Sunken,
            accessible};
}

constexpr ControlRow List(const char *name, Control control, int left, int width,
                          const char *accessible) {
    return {name,         {control, 0}, WidgetKind::List, {left, kInputTop, width, 360},
            std::nullopt, Align::Left,  kWindowFont,      Border::Sunken,
            accessible};
}

constexpr StaticLabelRow Heading(const char *name, const char *caption, int left, int width) {
    return {name, caption, {left, 105, width, 195}, kSmallFont};
}

constexpr const char *kCapacitanceTip =
    "Litera unității alege unitatea: p, n, u sau µ; 4n7 înseamnă 4,7 nF, 100n înseamnă 100 nF.";

} // namespace

const DesignLayout &DesignPanelLayout() {
    static const DesignLayout layout{
        {120, -15, 11655, 4440},
        4575,
        {"cmdProiectare",
         "Proiectare ▾",
         {9960, 3120, 1455, 375},
         "Proiectare din piese standard",
         "Deschide sau închide proiectarea din valori standard (F3)"},
        {{
            Input("txtCd", Control::txtCd, 120, "Capacitatea dorită"),
            List("cboCd", Control::cboCd, 960, 1095, "Unitatea capacității dorite"),
            List("cboNrC", Control::cboNrC, 2160, 1335, "Numărul de condensatoare"),
            List("cboSerie", Control::cboSerie, 3600, 975, "Seria de valori standard"),
            Input("txtCmin", Control::txtCmin, 4680, "Valoarea minimă a pieselor"),
            List("cboCmin", Control::cboCmin, 5520, 1095, "Unitatea valorii minime"),
            Input("txtCmax", Control::txtCmax, 6720, "Valoarea maximă a pieselor"),
            List("cboCmax", Control::cboCmax, 7560, 1095, "Unitatea valorii maxime"),
            List("cboTipD", Control::cboTipD, 8760, 1095, "Felul tensiunilor nominale propuse"),
            {"lblProiectare",
             {Control::lblProiectare, 0},
             WidgetKind::Label,
             {120, 840, 9705, 240},
             std::nullopt,
             Align::Left,
             kSmallFont,
             Border::None,
             ""},
        }},
        {{
            Heading("lblProiectCap(0)", "Capacitate dorită", 120, 1935),
            Heading("lblProiectCap(1)", "Nr. de piese", 2160, 1335),
            Heading("lblProiectCap(2)", "Seria", 3600, 975),
            Heading("lblProiectCap(3)", "Piese de la", 4680, 1935),
            Heading("lblProiectCap(4)", "până la", 6720, 1935),
            Heading("lblProiectCap(5)", "Tensiuni nominale", 8760, 1455),
        }},
        {{
            {{Control::txtCd, 0}, kCapacitanceTip},
            {{Control::txtCmin, 0}, kCapacitanceTip},
            {{Control::txtCmax, 0}, kCapacitanceTip},
            {{Control::cboNrC, 0},
             "Exact 1, 2, 3 sau 4 condensatoare în serie, sau cele mai puține, până la 4, care "
             "se apropie cel mai mult."},
            {{Control::cboTipD, 0},
             "c.c.: tensiuni nominale de curent continuu, față de vârful tensiunii maxime; "
             "c.a.: tensiuni nominale efective (275 V~), față de valoarea ei efectivă."},
        }},
        {120, 1140, 11415, 3180},
        "tblProiectare",
        {{
            {"Condensatoare", 2880},
            {"C echivalentă", 1605},
            {"Abatere", 1200},
            {"U max", 2940},
            {"Tensiuni nominale", 2250},
        }},
        {"cmdFoloseste",
         "Folosește",
         {9960, 780, 1455, 360},
         "Folosește combinația aleasă",
         "Scrie combinația aleasă în C1–C4 (Enter sau dublu clic pe rând)"},
        "O piesă nu are o tensiune nominală standard care să reziste: rândul este pus după cele "
        "cu toate tensiunile nominale.",
    };
    return layout;
}

} // namespace view
