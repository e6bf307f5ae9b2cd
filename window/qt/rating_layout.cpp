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
constexpr ControlRow List(const char *name, int index, const char *accessible) {
    return {name,
            {Control::cboUn, index},
            WidgetKind::List,
            {1320, kRow[index], 1095, 360},
            std::nullopt,
            Align::Left,
            kWindowFont,
            Border::Sunken,
            accessible};
}

// The rating of capacitor k + 1 = n and its unit.
#define TOLVARINE_RATING_INPUT(k, n)                                                               \
    Input("txtUn(" #k ")", Control::txtUn, k, {480, kRow[k], 855, 360},                            \
          "Tensiunea nominală a C" #n),                                                            \
        List("cboUn(" #k ")", k, "Unitatea tensiunii nominale a C" #n)

// The results of capacitor k + 1 = n, left to right.
#define TOLVARINE_RATING_RESULTS(k, n)                                                             \
    Value("txtUmax(" #k ")", Control::txtUmax, k, {2520, kRow[k], 855, 360},                       \
          "Tensiunea maximă efectivă pe C" #n),                                                    \
        Unit("txtUMUmax(" #k ")", Control::txtUMUmax, k, {3360, kRow[k], 615, 360},                \
             "Unitatea tensiunii maxime pe C" #n),                                                 \
        Value("txtUvarf(" #k ")", Control::txtUvarf, k, {4080, kRow[k], 855, 360},                 \
              "Tensiunea maximă de vârf pe C" #n),                                                 \
        Unit("txtUMUvarf(" #k ")", Control::txtUMUvarf, k, {4920, kRow[k], 615, 360},              \
             "Unitatea tensiunii de vârf pe C" #n),                                                \
        Value("txtMarja(" #k ")", Control::txtMarja, k, {5640, kRow[k], 1095, 360},                \
              "Marja față de tensiunea nominală a C" #n),                                          \
        Unit("txtUMMarja(" #k ")", Control::txtUMMarja, k, {6720, kRow[k], 615, 360},              \
             "Unitatea marjei C" #n),                                                              \
        Value("txtW(" #k ")", Control::txtW, k, {7440, kRow[k], 855, 360}, "Energia în C" #n),     \
        Unit("txtUMW(" #k ")", Control::txtUMW, k, {8280, kRow[k], 615, 360},                      \
             "Unitatea energiei în C" #n)

constexpr const char *kCapacitanceTip =
    "Litera unității alege unitatea: p, n, u sau µ; 4n7 înseamnă 4,7 nF, 100n înseamnă 100 nF.";
constexpr const char *kVoltageTip =
    "Litera unității alege unitatea: u sau µ, m, V, k; 1k5 înseamnă 1,5 kV, 500m înseamnă 500 mV.";
constexpr const char *kRatingTip =
    "Tensiunea nominală, comparată cu vârful tensiunii maxime; gol sau 0: nedată. "
    "1k5 înseamnă 1,5 kV, 400v înseamnă 400 V.";

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
            Input("txtTol", Control::txtTol, 0, {10200, kChainRow[0], 855, 360}, "Toleranța"),
            Input("txtFrec", Control::txtFrec, 0, {10200, kChainRow[1], 855, 360}, "Frecvența"),
            TOLVARINE_RATING_RESULTS(0, 1),
            TOLVARINE_RATING_RESULTS(1, 2),
            TOLVARINE_RATING_RESULTS(2, 3),
            TOLVARINE_RATING_RESULTS(3, 4),
#undef TOLVARINE_RATING_INPUT
#undef TOLVARINE_RATING_RESULTS
            Value("txtQ", Control::txtQ, 0, {10200, kChainRow[2], 855, 360}, "Sarcina"),
            Unit("txtUMQ", Control::txtUMQ, 0, {11040, kChainRow[2], 435, 360},
                 "Unitatea sarcinii"),
            Value("txtWt", Control::txtWt, 0, {10200, kChainRow[3], 855, 360}, "Energia totală"),
            Unit("txtUMWt", Control::txtUMWt, 0, {11040, kChainRow[3], 435, 360},
                 "Unitatea energiei totale"),
            Value("txtXc", Control::txtXc, 0, {10200, kChainRow[4], 855, 360}, "Reactanța"),
            Unit("txtUMXc", Control::txtUMXc, 0, {11040, kChainRow[4], 435, 360},
                 "Unitatea reactanței"),
            Value("txtI", Control::txtI, 0, {10200, kChainRow[5], 855, 360}, "Curentul"),
            Unit("txtUMI", Control::txtUMI, 0, {11040, kChainRow[5], 435, 360},
                 "Unitatea curentului"),
            {"lblVerificare",
             {Control::lblVerificare, 0},
             WidgetKind::Label,
             {480, 2070, 8415, 390},
             std::nullopt,
             Align::Left,
             kWindowFont,
             Border::None,
             ""},
        }},
        {{
            {"lblVerifCap(0)", "Tensiune nominală", {480, 120, 1935, 195}, kSmallFont},
            {"lblVerifCap(1)", "U max efectivă", {2520, 120, 1455, 195}, kSmallFont},
            {"lblVerifCap(2)", "U max de vârf", {4080, 120, 1455, 195}, kSmallFont},
            {"lblVerifCap(3)", "Marjă", {5640, 120, 1695, 195}, kSmallFont},
            {"lblVerifCap(4)", "Energie", {7440, 120, 1455, 195}, kSmallFont},
            {"lblVerifC(0)", "C1", {120, kRow[0] + 60, 255, 240}, kWindowFont},
            {"lblVerifC(1)", "C2", {120, kRow[1] + 60, 255, 240}, kWindowFont},
            {"lblVerifC(2)", "C3", {120, kRow[2] + 60, 255, 240}, kWindowFont},
            {"lblVerifC(3)", "C4", {120, kRow[3] + 60, 255, 240}, kWindowFont},
            {"lblVerifLant(0)", "Toleranță ±", {9000, kChainRow[0] + 90, 1155, 195}, kSmallFont},
            {"lblVerifLant(1)", "Frecvență", {9000, kChainRow[1] + 90, 1155, 195}, kSmallFont},
            {"lblVerifLant(2)", "Sarcina Q", {9000, kChainRow[2] + 90, 1155, 195}, kSmallFont},
            {"lblVerifLant(3)", "Energie W", {9000, kChainRow[3] + 90, 1155, 195}, kSmallFont},
            {"lblVerifLant(4)", "Reactanță Xc", {9000, kChainRow[4] + 90, 1155, 195}, kSmallFont},
            {"lblVerifLant(5)", "Curent I", {9000, kChainRow[5] + 90, 1155, 195}, kSmallFont},
            {"lblVerifUM(0)", "%", {11100, kChainRow[0] + 60, 255, 240}, kWindowFont},
            {"lblVerifUM(1)", "Hz", {11100, kChainRow[1] + 60, 315, 240}, kWindowFont},
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
            {{Control::txtTol, 0}, "Toleranța capacităților, ± % (de la 0 la 100)."},
            {{Control::txtFrec, 0}, "Frecvența tensiunii aplicate, în Hz."},
        }},
        0x006400,
        0xB00000,
    };
    return layout;
}

} // namespace view
