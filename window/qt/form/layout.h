// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "control_id.h"

#include <array>
#include <cstdint>
#include <optional>

namespace view {

// Every position and size of the window is kept in twips: 1440 to the inch,
// 15 to a logical pixel.
constexpr int kTwipsPerPixel = 15;

struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct TwipPoint {
    int x = 0;
    int y = 0;
};

using Rgb = std::uint32_t; // 0xRRGGBB

struct FontSpec {
    double points = 9.75;
    bool bold = false;

    bool operator==(const FontSpec &) const = default;
};

// The window's colours and fonts: the grey of the window and of unit fields,
// the light green of inputs, the light yellow of results.
inline constexpr Rgb kGrey = 0xE0E0E0;
inline constexpr Rgb kInput = 0xC0FFC0;
inline constexpr Rgb kResult = 0xFFFF80;
inline constexpr FontSpec kWindowFont{9.75, false};
inline constexpr FontSpec kHeadingFont{11.25, false};
inline constexpr FontSpec kSmallFont{8.25, false};
inline constexpr FontSpec kTitleFont{12, true};

enum class WidgetKind { Field, List, Label, Button };
enum class Align { Left, Right };
enum class Border { Sunken, None };

// One control of the window model and how it is shown.
struct ControlRow {
    const char *name; // also the widget's object name
    window::ControlId id;
    WidgetKind kind;
    TwipRect rect;                 // inside the frame
    std::optional<Rgb> background; // none: the platform's default
    Align align;
    FontSpec font;
    Border border;
    const char *accessibleName; // empty: the caption speaks for itself
};

// A label that only the drawing shows; the model knows nothing of it.
struct StaticLabelRow {
    const char *name;
    const char *caption;
    TwipRect rect;
    FontSpec font;
};

struct LineRow {
    const char *name;
    TwipPoint from;
    TwipPoint to;
};

struct DotRow {
    const char *name;
    TwipRect rect;
};

struct Pen {
    Rgb colour = 0;
    int widthPixels = 1;
};

struct WindowLayout {
    const char *caption;
    int clientWidth; // twips
    int clientHeight;
    TwipRect frame; // in the client area
    Rgb background;
    Rgb text;
    Rgb errorText;
    Rgb markedBackground; // of an input marked as the cause of an error
    FontSpec windowFont;
    std::array<ControlRow, 24> controls;
    std::array<StaticLabelRow, 9> labels;
    std::array<window::ControlId, 20> focusOrder;
    Pen wirePen;
    std::array<LineRow, 9> wire;   // linS5
    std::array<LineRow, 8> plates; // linS6
    Pen dotPen;
    std::array<DotRow, 5> dots; // shaDot
    Pen measuringPen;
    std::array<LineRow, 7> measuring; // linS2, linS3
};

// The one table of the window's geometry, colours, fonts and drawing.
const WindowLayout &Layout();

} // namespace view
