// SPDX-License-Identifier: GPL-3.0-or-later
#include "rating_layout.h"

namespace view {
namespace {

using window::Control;

// Rows of the capacitors C1 to C4, and of the chain's column on the right.
constexpr int kRow[4] = {360, 780, 1200, 1620};
constexpr int kChainRow[6] = {120, 510, 900, 1290, 1680, 2070};

constexpr ControlRow Field(const char *name, Control control, int index, TwipRect rect, Rgb colour,
                           Align align, const char *accessible) {
    const Border border = colour == kInput ? Border::Sunken : Border::None;
    return {name,        {control, index}, WidgetKind::Field, rect, colour, align,
            kWindowFont, border,           accessible};
}
constexpr ControlRow Input(const char *name, Control control, int index, TwipRect rect,
                           const char *accessible) {
    return Field(name, control, index, rect, kInput, Align::Right, accessible);
}
constexpr ControlRow Value(const char *name, Control control, int index, TwipRect rect,
                           const char *accessible) {
    return Field(name, control, index, rect, kResult, Align::Right, accessible);
}
constexpr ControlRow Unit(const char *name, Control control, int index, TwipRect rect,
                          const char *accessible) {
    return Field(name, control, index, rect, kGrey, Align::Left, accessible);
}
constexpr ControlRow Caption(const char *name, int index, TwipRect rect) {
    return {name,
            {Control::lblVerifCap, index},
            WidgetKind::Label,
            rect,
            std::nullopt,
            Align::Left,
            kSmallFont,
            Border::None,
            ""};
}
constexpr ControlRow List(const char *name, Control control, int index, TwipRect rect,
                          const char *accessible) {
    return {name,        {control, index}, WidgetKind::List, rect,      std::nullopt,
            Align::Left, kWindowFont,      Border::Sunken,   accessible};
}

// The rating of capacitor k + 1 = n, its unit and its kind.
#define TOLVARINE_RATING_INPUT(k, n)                                                               \
    Input("txtUn(" #k ")", Control::txtUn, k, {390, kRow[k], 780, 360},                            \
          "Tensiunea nominală a C" #n),                                                            \
        List("cboUn(" #k ")", Control::cboUn, k, {1185, kRow[k], 780, 360},                        \
             "Unitatea tensiunii nominale a C" #n),                                                \
        List("cboTipUn(" #k ")", Control::cboTipUn, k, {1980, kRow[k], 825, 360},                  \
             "Felul tensiunii nominale a C" #n)

// The results of capacitor k + 1 = n, left to right; each value field is
// wide enough for the longest text it can show (see kLongestResults).
#define TOLVARINE_RATING_RESULTS(k, n)                                                             \
    Value("txtUmax(" #k ")", Control::txtUmax, k, {2880, kRow[k], 1095, 360},                      \
          "Tensiunea maximă efectivă pe C" #n),                                                    \
        Unit("txtUMUmax(" #k ")", Control::txtUMUmax, k, {3960, kRow[k], 405, 360},                \
             "Unitatea tensiunii maxime pe C" #n),                                                 \
        Value("txtUvarf(" #k ")", Control::txtUvarf, k, {4380, kRow[k], 1095, 360},                \
              "Tensiunea maximă de vârf pe C" #n),                                                 \
        Unit("txtUMUvarf(" #k ")", Control::txtUMUvarf, k, {5460, kRow[k], 405, 360},              \
             "Unitatea tensiunii de vârf pe C" #n),                                                \
        Value("txtMarja(" #k ")", Control::txtMarja, k, {5880, kRow[k], 1365, 360},                \
              "Marja față de tensiunea nominală a C" #n),                                          \
        Unit("txtUMMarja(" #k ")", Control::txtUMMarja, k, {7230, kRow[k], 390, 360},              \
             "Unitatea marjei C" #n),                                                              \
        Value("txtW(" #k ")", Control::txtW, k, {7620, kRow[k], 1095, 360},                        \
              "Energia maximă la vârf în C" #n),                                                   \
        Unit("txtUMW(" #k ")", Control::txtUMW, k, {8700, kRow[k], 405, 360},                      \
             "Unitatea energiei în C" #n)

constexpr const char *kCapacitanceTip =
    "Litera unității alege unitatea: p, n, u sau µ; 4n7 înseamnă 4,7 nF, 100n înseamnă 100 nF.";
constexpr const char *kVoltageTip =
    "Litera unității alege unitatea: u sau µ, m, V, k; 1k5 înseamnă 1,5 kV, 500m înseamnă 500 mV.";
constexpr const char *kRatingTip =
    "Tensiunea nominală, comparată cu vârful tensiunii maxime (c.c.) sau cu valoarea ei "
    "efectivă (c.a.); gol sau 0: nedată. 1k5 înseamnă 1,5 kV, 400v înseamnă 400 V; "
    "275V~, 275VAC, 630VDC și 630 V= aleg și felul.";

} // namespace

const RatingLayout &RatingPanelLayout() {
    static const RatingLayout layout{
        {120, 4935, 11655, 2520},
        7590,
        {"cmdVerificare",
         "Verificare ▾",
         {9960, 3600, 1455, 375},
         "Verificarea tensiunilor nominale",
         "Deschide sau închide verificarea tensiunilor nominale (F2)"},
        {{
            TOLVARINE_RATING_INPUT(0, 1),
            TOLVARINE_RATING_INPUT(1, 2),
            TOLVARINE_RATING_INPUT(2, 3),
            TOLVARINE_RATING_INPUT(3, 4),
            Input("txtTol", Control::txtTol, 0, {10260, kChainRow[0], 855, 360}, "Toleranța"),
            Input("txtFrec", Control::txtFrec, 0, {10260, kChainRow[1], 855, 360}, "Frecvența"),
            TOLVARINE_RATING_RESULTS(0, 1),
            TOLVARINE_RATING_RESULTS(1, 2),
            TOLVARINE_RATING_RESULTS(2, 3),
            TOLVARINE_RATING_RESULTS(3, 4),
#undef TOLVARINE_RATING_INPUT
#undef TOLVARINE_RATING_RESULTS
            Value("txtQ", Control::txtQ, 0, {10020, kChainRow[2], 1095, 360},
                  "Sarcina nominală, efectivă"),
            Unit("txtUMQ", Control::txtUMQ, 0, {11100, kChainRow[2], 435, 360},
                 "Unitatea sarcinii"),
            Value("txtWt", Control::txtWt, 0, {10020, kChainRow[3], 1095, 360},
                  "Energia totală la vârful tensiunii aplicate"),
            Unit("txtUMWt", Control::txtUMWt, 0, {11100, kChainRow[3], 435, 360},
                 "Unitatea energiei totale"),
            Value("txtXc", Control::txtXc, 0, {10020, kChainRow[4], 1095, 360},
                  "Reactanța nominală"),
            Unit("txtUMXc", Control::txtUMXc, 0, {11100, kChainRow[4], 435, 360},
                 "Unitatea reactanței"),
            Value("txtI", Control::txtI, 0, {10020, kChainRow[5], 1095, 360},
                  "Curentul nominal, efectiv"),
            Unit("txtUMI", Control::txtUMI, 0, {11100, kChainRow[5], 435, 360},
                 "Unitatea curentului"),
            Caption("lblVerifCap(0)", 0, {390, 120, 2415, 225}),
            Caption("lblVerifCap(3)", 3, {5880, 120, 1725, 225}),
            {"lblVerificare",
             {Control::lblVerificare, 0},
             WidgetKind::Label,
             {390, 2010, 8715, 480},
             std::nullopt,
             Align::Left,
             kWindowFont,
             Border::None,
             ""},
        }},
        {{
            {"lblVerifCap(1)", "U max efectivă", {2880, 120, 1485, 225}, kSmallFont},
            {"lblVerifCap(2)", "U max de vârf", {4380, 120, 1485, 225}, kSmallFont},
            {"lblVerifCap(4)", "W max la vârf", {7620, 120, 1485, 225}, kSmallFont},
            {"lblVerifC(0)", "C1", {120, kRow[0] + 45, 270, 270}, kWindowFont},
            {"lblVerifC(1)", "C2", {120, kRow[1] + 45, 270, 270}, kWindowFont},
            {"lblVerifC(2)", "C3", {120, kRow[2] + 45, 270, 270}, kWindowFont},
            {"lblVerifC(3)", "C4", {120, kRow[3] + 45, 270, 270}, kWindowFont},
            {"lblVerifLant(0)", "Toleranță ±", {9120, kChainRow[0] + 75, 1125, 225}, kSmallFont},
            {"lblVerifLant(1)", "Frecvență", {9120, kChainRow[1] + 75, 1125, 225}, kSmallFont},
            {"lblVerifLant(2)", "Q nom. ef.", {9120, kChainRow[2] + 75, 885, 225}, kSmallFont},
            {"lblVerifLant(3)", "W la vârf", {9120, kChainRow[3] + 75, 885, 225}, kSmallFont},
            {"lblVerifLant(4)", "Xc nom.", {9120, kChainRow[4] + 75, 885, 225}, kSmallFont},
            {"lblVerifLant(5)", "I nom. ef.", {9120, kChainRow[5] + 75, 885, 225}, kSmallFont},
            {"lblVerifUM(0)", "%", {11160, kChainRow[0] + 45, 255, 270}, kWindowFont},
            {"lblVerifUM(1)", "Hz", {11160, kChainRow[1] + 45, 345, 270}, kWindowFont},
        }},
        {{
            {{Control::txtCs, 0}, kCapacitanceTip},
            {{Control::txtCs, 1}, kCapacitanceTip},
            {{Control::txtCs, 2}, kCapacitanceTip},
            {{Control::txtCs, 3}, kCapacitanceTip},
            {{Control::txtUst, 0}, kVoltageTip},
            {{Control::txtUn, 0}, kRatingTip},
            {{Control::txtUn, 1}, kRatingTip},
            {{Control::txtUn, 2}, kRatingTip},
            {{Control::txtUn, 3}, kRatingTip},
            {{Control::txtTol, 0},
             "Toleranța capacităților, ± %, sub 100; un „%” după număr se poate scrie (5%)."},
            {{Control::txtFrec, 0},
             "Frecvența tensiunii aplicate, în Hz; k alege kHz și M MHz (1k5 este 1500 Hz)."},
        }},
        {"c.c.: tensiune nominală de curent continuu, comparată cu vârful tensiunii maxime. "
         "Pe rețea (c.a.) folosiți tensiunea nominală c.a. din foaia de catalog: o piesă de "
         "400 V c.c. are adesea una mult mai mică în c.a.",
         "c.a.: tensiune nominală efectivă (275 V~, X2), comparată cu valoarea efectivă maximă."},
        0x006400,
        0xB00000,
    };
    return layout;
}

} // namespace view
