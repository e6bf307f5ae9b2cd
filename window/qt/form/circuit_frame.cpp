// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuit_frame.h"

#include "layout_values.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPen>

namespace view {
namespace {

QPen LinePen(const Pen &pen) {
    QPen qpen(ToColor(pen.colour));
    qpen.setWidth(pen.widthPixels);
    qpen.setCapStyle(Qt::FlatCap);
    return qpen;
}

// Every pixel that a line of `pen` may touch, antialiasing included.
QRect Reach(const LineRow &line, const Pen &pen) {
    return QRect(ToPixels(line.from), ToPixels(line.to))
        .normalized()
        .adjusted(-pen.widthPixels - 1, -pen.widthPixels - 1, pen.widthPixels + 1,
                  pen.widthPixels + 1);
}

// Draws the lines that reach into `dirty`: the others would change no pixel.
template<std::size_t N>
void DrawLines(QPainter &painter, const QRegion &dirty, const Pen &pen,
               const std::array<LineRow, N> &lines) {
    painter.setPen(LinePen(pen));
    for (const LineRow &line : lines) {
        if (dirty.intersects(Reach(line, pen)))
            painter.drawLine(ToPixels(line.from), ToPixels(line.to));
    }
}

} // namespace

CircuitFrame::CircuitFrame(QWidget *parent)
    : QFrame(parent) {
    setObjectName(QStringLiteral("fraSerie"));
    setFrameStyle(QFrame::Box | QFrame::Sunken);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
}

// A keystroke repaints only the strips behind the fields whose texts changed,
// and no part of the circuit lies there: drawing only what meets the dirty
// region spares each of those paints the whole drawing, clipped away.
void CircuitFrame::paintEvent(QPaintEvent *event) {
    const QRegion &dirty = event->region();
    // The border lies outside the contents; a pixel more keeps clear of the
    // shades that a fractional scale spreads.
    if (!contentsRect().adjusted(1, 1, -1, -1).contains(dirty.boundingRect()))
        QFrame::paintEvent(event);
    const WindowLayout &layout = Layout();
    QPainter painter(this);

    // Straight lines on whole logical pixels stay crisp at any scale.
    painter.setRenderHint(QPainter::Antialiasing, false);
    DrawLines(painter, dirty, layout.wirePen, layout.wire);
    DrawLines(painter, dirty, layout.wirePen, layout.plates);
    DrawLines(painter, dirty, layout.measuringPen, layout.measuring);

    painter.setRenderHint(QPainter::Antialiasing, true);
    const QColor dotColour = ToColor(layout.dotPen.colour);
    painter.setPen(QPen(dotColour, layout.dotPen.widthPixels));
    painter.setBrush(dotColour);
    // The outline is centred on the edge: half a pen inside keeps the dot's
    // outer size that of the table.
    const qreal inset = layout.dotPen.widthPixels / 2.0;
    for (const DotRow &dot : layout.dots) {
        const QRect rect = ToPixels(dot.rect);
        if (dirty.intersects(rect.adjusted(-1, -1, 1, 1)))
            painter.drawEllipse(rect.toRectF().adjusted(inset, inset, -inset, -inset));
    }
}

} // namespace view
