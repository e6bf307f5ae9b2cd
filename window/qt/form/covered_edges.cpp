// SPDX-License-Identifier: GPL-3.0-or-later
#include "covered_edges.h"

#include <QLineEdit>
#include <QRegion>

namespace view {
namespace {

QLineEdit *FramelessField(QObject *child) {
    auto *field = qobject_cast<QLineEdit *>(child);
    return field && !field->hasFrame() ? field : nullptr;
}

} // namespace

void MaskCoveredEdges(QWidget &frame) {
    const QObjectList &children = frame.children(); // from the bottom up
    for (qsizetype i = 0; i < children.size(); ++i) {
        QLineEdit *field = FramelessField(children[i]);
        if (!field)
            continue;
        QRegion uncovered(field->geometry());
        for (qsizetype above = i + 1; above < children.size(); ++above) {
            if (const QLineEdit *neighbour = FramelessField(children[above]))
                uncovered -= neighbour->geometry();
        }
        if (uncovered != QRegion(field->geometry()))
            field->setMask(uncovered.translated(-field->pos()));
    }
}

} // namespace view
