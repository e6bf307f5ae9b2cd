// SPDX-License-Identifier: GPL-3.0-or-later
#include "layout.h"

namespace view {
namespace {

using window::Control;

constexpr ControlRow Input(const char *name, Control control, int index, TwipRect rect,
                           Border border, const char *accessible) {
    return {name,        {control, index}, WidgetKind::Field, rect, kInput, Align::Right,
            kWindowFont, border,           accessible};
}

constexpr ControlRow Result(const char *name, Control control, int index, TwipRect rect,
                            std::optional<Rgb> background, Align align, const char *accessible) {
    return {name,  {control, index}, WidgetKind::Field, rect,      background,
            align, kWindowFont,      Border::None,      accessible};
}

constexpr ControlRow List(const char *name, Control control, int index, TwipRect rect,
                          const char *accessible) {
    return {name,        {control, index}, WidgetKind::List, rect,      std::nullopt,
            Align::Left, kWindowFont,      Border::Sunken,   accessible};
}

constexpr ControlRow Caption(const char *name, Control control, int index, TwipRect rect,
                             FontSpec font) {
    return {name, {control, index}, WidgetKind::Label,
            rect, std::nullopt,     Align::Left,
            font, Border::None,     ""};
}

constexpr TwipPoint At(int x, int y) {
    return {x, y};
}

} // namespace

const WindowLayout &Layout() {
    static const WindowLayout layout{
        " Tolvarine ",
        11910,
        4950,
        {120, 120, 11655, 4695},
        kGrey,
        0x000000,
        0x8B0000,
        0xFFC8C8,
        kWindowFont,
        {{
            Input("txtCs(0)", Control::txtCs, 0, {480, 780, 855, 360}, Border::Sunken, "C1"),
            List("cboCs(0)", Control::cboCs, 0, {1320, 780, 1095, 360}, "Unitatea C1"),
            Input("txtCs(1)", Control::txtCs, 1, {2520, 780, 855, 360}, Border::Sunken, "C2"),
            List("cboCs(1)", Control::cboCs, 1, {3360, 780, 1095, 360}, "Unitatea C2"),
            Input("txtCs(2)", Control::txtCs, 2, {4560, 780, 855, 360}, Border::Sunken, "C3"),
            List("cboCs(2)", Control::cboCs, 2, {5400, 780, 1095, 360}, "Unitatea C3"),
            Input("txtCs(3)", Control::txtCs, 3, {6600, 780, 855, 360}, Border::Sunken, "C4"),
            List("cboCs(3)", Control::cboCs, 3, {7440, 780, 1095, 360}, "Unitatea C4"),
            Result("txtCst", Control::txtCst, 0, {9360, 1860, 1095, 375}, kResult, Align::Right,
                   "Capacitate echivalentă"),
            Result("txtUs(0)", Control::txtUs, 0, {600, 2880, 855, 360}, kResult, Align::Right,
                   "Tensiunea pe C1"),
            Result("txtUMUs(0)", Control::txtUMUs, 0, {1440, 2880, 615, 375}, kGrey, Align::Left,
                   "Unitatea tensiunii pe C1"),
            Result("txtUs(1)", Control::txtUs, 1, {2640, 2880, 855, 360}, kResult, Align::Right,
                   "Tensiunea pe C2"),
            Result("txtUMUs(1)", Control::txtUMUs, 1, {3480, 2880, 615, 375}, kGrey, Align::Left,
                   "Unitatea tensiunii pe C2"),
            Result("txtUs(2)", Control::txtUs, 2, {4680, 2880, 855, 360}, kResult, Align::Right,
                   "Tensiunea pe C3"),
            Result("txtUMUs(2)", Control::txtUMUs, 2, {5520, 2880, 615, 375}, kGrey, Align::Left,
                   "Unitatea tensiunii pe C3"),
            Result("txtUs(3)", Control::txtUs, 3, {6720, 2880, 855, 360}, kResult, Align::Right,
                   "Tensiunea pe C4"),
            Result("txtUMUs(3)", Control::txtUMUs, 3, {7560, 2880, 615, 375}, kGrey, Align::Left,
                   "Unitatea tensiunii pe C4"),
            Input("txtUst", Control::txtUst, 0, {4680, 3960, 855, 360}, Border::None,
                  "Tensiunea aplicată"),
            List("cboUst", Control::cboUst, 0, {5520, 3960, 1095, 360},
                 "Unitatea tensiunii aplicate"),
            {"cmdClear",
             {Control::cmdClear, 0},
             WidgetKind::Button,
             {9960, 4080, 1455, 375},
             kGrey,
             Align::Left,
             kWindowFont,
             Border::Sunken,
             ""},
            Caption("lblEticheteS(0)", Control::lblEticheteS, 0, {8880, 1440, 2610, 270},
                    kHeadingFont),
            Caption("lblUMs", Control::lblUMs, 0, {10680, 1920, 240, 240}, kWindowFont),
            Caption("lblEticheteS(3)", Control::lblEticheteS, 3, {2640, 4050, 2010, 195},
                    kSmallFont),
            // The message of a failed computation, in the free band above the
            // capacitance row and left of lblKEDRA.
            Caption("lblEroare", Control::lblEroare, 0, {480, 105, 9825, 660}, kWindowFont),
        }},
        {{
            {"lblC(0)", "C1", {1560, 1680, 255, 240}, kWindowFont},
            {"lblC(1)", "C2", {3600, 1680, 255, 240}, kWindowFont},
            {"lblC(2)", "C3", {5640, 1680, 255, 240}, kWindowFont},
            {"lblC(3)", "C4", {7680, 1680, 255, 240}, kWindowFont},
            {"lblU(0)", "UC1", {840, 3360, 390, 240}, kWindowFont},
            {"lblU(1)", "UC2", {2880, 3360, 390, 240}, kWindowFont},
            {"lblU(2)", "UC3", {4920, 3360, 390, 240}, kWindowFont},
            {"lblU(3)", "UC4", {6960, 3360, 390, 240}, kWindowFont},
            {"lblKEDRA", "KEDRA", {10440, 360, 900, 270}, kTitleFont},
        }},
        {{
            {Control::txtCs, 0},   {Control::cboCs, 0},    {Control::txtCs, 1},
            {Control::cboCs, 1},   {Control::txtCs, 2},    {Control::cboCs, 2},
            {Control::txtCs, 3},   {Control::cboCs, 3},    {Control::txtUst, 0},
            {Control::cboUst, 0},  {Control::cmdClear, 0}, {Control::txtUs, 0},
            {Control::txtUMUs, 0}, {Control::txtUs, 1},    {Control::txtUMUs, 1},
            {Control::txtUs, 2},   {Control::txtUMUs, 2},  {Control::txtUs, 3},
            {Control::txtUMUs, 3}, {Control::txtCst, 0},
        }},
        {0x000000, 2},
        {{
            {"linS5(0)", At(120, 2040), At(1200, 2040)},
            {"linS5(1)", At(1440, 2040), At(2520, 2040)},
            {"linS5(2)", At(2160, 2040), At(3240, 2040)},
            {"linS5(3)", At(3480, 2040), At(4560, 2040)},
            {"linS5(4)", At(4200, 2040), At(5280, 2040)},
            {"linS5(5)", At(5520, 2040), At(6600, 2040)},
            {"linS5(6)", At(6240, 2040), At(7320, 2040)},
            {"linS5(7)", At(7560, 2040), At(8640, 2040)},
            {"linS5(9)", At(8040, 2040), At(9120, 2040)},
        }},
        {{
            {"linS6(0)", At(1200, 1800), At(1200, 2280)},
            {"linS6(1)", At(1440, 1800), At(1440, 2280)},
            {"linS6(2)", At(3240, 1800), At(3240, 2280)},
            {"linS6(3)", At(3480, 1800), At(3480, 2280)},
            {"linS6(4)", At(5280, 1800), At(5280, 2280)},
            {"linS6(5)", At(5520, 1800), At(5520, 2280)},
            {"linS6(6)", At(7320, 1800), At(7320, 2280)},
            {"linS6(7)", At(7560, 1800), At(7560, 2280)},
        }},
        {0x000000, 1},
        {{
            {"shaDot(2)", {300, 1980, 135, 135}},
            {"shaDot(0)", {2220, 1980, 135, 135}},
            {"shaDot(1)", {4260, 1980, 135, 135}},
            {"shaDot(4)", {6420, 1980, 135, 135}},
            {"shaDot(3)", {8460, 1980, 135, 135}},
        }},
        {0x8080FF, 1},
        {{
            {"linS2(0)", At(360, 2520), At(360, 4200)},
            {"linS2(2)", At(2280, 2520), At(2280, 3600)},
            {"linS2(3)", At(4320, 2520), At(4320, 3600)},
            {"linS2(4)", At(6480, 2520), At(6480, 3600)},
            {"linS2(1)", At(8520, 2520), At(8520, 4200)},
            {"linS3(0)", At(360, 4200), At(2160, 4200)},
            {"linS3(1)", At(6960, 4200), At(8520, 4200)},
        }},
    };
    return layout;
}

} // namespace view
