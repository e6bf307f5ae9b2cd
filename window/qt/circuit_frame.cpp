#include "circuit_frame.h"

#include "layout_values.h"

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

template<std::size_t N>
void DrawLines(QPainter &painter, const Pen &pen, const std::array<LineRow, N> &lines) {
    painter.setPen(LinePen(pen));
    for (const LineRow &line : lines)
        painter.drawLine(ToPixels(line.from), ToPixels(line.to));
}

} // namespace

CircuitFrame::CircuitFrame(QWidget *parent)
    : QFrame(parent) {
    setObjectName(QStringLiteral("fraSerie"));
    setFrameStyle(QFrame::Box | QFrame::Sunken);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
}

void CircuitFrame::paintEvent(QPaintEvent *event) {
    QFrame::paintEvent(event);
    const WindowLayout &layout = Layout();
    QPainter painter(this);

    // Straight lines on whole logical pixels stay crisp at any scale.
    painter.setRenderHint(QPainter::Antialiasing, false);
    DrawLines(painter, layout.wirePen, layout.wire);
    DrawLines(painter, layout.wirePen, layout.plates);
    DrawLines(painter, layout.measuringPen, layout.measuring);

    painter.setRenderHint(QPainter::Antialiasing, true);
    const QColor dotColour = ToColor(layout.dotPen.colour);
    painter.setPen(QPen(dotColour, layout.dotPen.widthPixels));
    painter.setBrush(dotColour);
    // The outline is centred on the edge: half a pen inside keeps the dot's
    // outer size that of the table.
    const qreal inset = layout.dotPen.widthPixels / 2.0;
    for (const DotRow &dot : layout.dots)
        painter.drawEllipse(ToPixels(dot.rect).toRectF().adjusted(inset, inset, -inset, -inset));
}

} // namespace view
