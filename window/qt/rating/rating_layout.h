// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "layout.h"

#include <array>

namespace view {

// The button that opens and closes the rating check, in the free corner of
// the frame fraSerie above cmdClear.
struct ToggleRow {
    const char *name;
    const char *caption;
    TwipRect rect; // inside fraSerie
    const char *accessibleName;
    const char *toolTip;
};

struct ToolTipRow {
    window::ControlId id;
    const char *toolTip;
};

struct RatingLayout {
    // The frame fraVerificare, in the client area under fraSerie; the window
    // grows downwards to clientHeightOpen while it is shown.
    TwipRect frame;
    int clientHeightOpen;
    ToggleRow toggle;
    // Inside the frame, in the panel's focus order: the inputs, then the results.
    std::array<ControlRow, 57> controls;
    std::array<StaticLabelRow, 15> labels;
    std::array<ToolTipRow, 11> toolTips; // the panel's and the window's inputs
    // The tooltip and accessible description of a kind list, after its
    // entry, in the order of calc::RatingKind.
    std::array<const char *, 2> kindToolTips;
    Rgb within;  // the margin's text while the rating holds
    Rgb exceeds; // and while the peak exceeds it
};

// The one table of the rating check panel's geometry, colours and texts.
const RatingLayout &RatingPanelLayout();

} // namespace view
