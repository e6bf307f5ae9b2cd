// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "layout.h"
#include "rating_layout.h"

#include <array>

namespace view {

// A column of the design part's table: its header and width in twips.
struct DesignColumn {
    const char *header;
    int width;
};

struct DesignLayout {
    // The frame fraProiectare: under the window's frame, or under the rating
    // check's while that is open; `frame.top` is its distance from the
    // bottom of the client area above it, and the window grows by `growth`.
    TwipRect frame;
    int growth;
    ToggleRow toggle; // inside fraSerie, above cmdVerificare
    // Inside the frame, in the part's focus order.
    std::array<ControlRow, 10> controls;
    std::array<StaticLabelRow, 6> labels;
    std::array<ToolTipRow, 5> toolTips;
    TwipRect table;
    const char *tableName;
    std::array<DesignColumn, 5> columns;
    ToggleRow use;          // the button "Folosește", inside the frame
    const char *unratedTip; // the tooltip of a row that a part has no rating in
};

// The one table of the design part's geometry and texts.
const DesignLayout &DesignPanelLayout();

} // namespace view
