// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace view {

// Frameless fields side by side overlap by a pixel where the table's twips
// round to pixels, the later one on top. Masks each such column out of the
// field beneath: without it, every repaint of that field, such as a new
// result, makes Qt repaint the neighbour on top as well. The neighbour paints
// that column over whatever the field beneath draws there, its focus frame
// included, so the window looks the same.
void MaskCoveredEdges(QWidget &frame);

} // namespace view
