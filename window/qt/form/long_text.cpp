// SPDX-License-Identifier: GPL-3.0-or-later
#include "long_text.h"

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>

namespace view {

namespace {

// QLineEdit keeps this many pixels between its contents' edge and the text.
constexpr int kLineEditMargin = 2;

// Where the field draws its caret, from the text it has laid out already.
int CaretX(const QLineEdit &edit) {
    return edit.inputMethodQuery(Qt::ImCursorRectangle).toRect().x();
}

} // namespace

// The width QLineEdit lays its text out in, and the width its text needs, as
// it measures them itself.
bool TextFits(const QLineEdit &edit, int textWidth) {
    QStyleOptionFrame option;
    option.initFrom(&edit);
    option.rect = edit.contentsRect();
    option.lineWidth = edit.hasFrame()
                           ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit)
                           : 0;
    const QRect contents = edit.style()
                               ->subElementRect(QStyle::SE_LineEditContents, &option, &edit)
                               .marginsRemoved(edit.textMargins());
    const QFontMetrics metrics = edit.fontMetrics();
    const int needed = textWidth + 1 + std::max(0, -metrics.minLeftBearing()) +
                       std::max(0, -metrics.minRightBearing());
    return needed <= contents.width() - 2 * kLineEditMargin;
}

// The text's width is the caret's way from its end to its start: the field
// has shaped the text already, and measuring it again would cost as much.
void ShowLeadingText(QLineEdit &edit) {
    edit.end(false);
    const int end = CaretX(edit);
    edit.setCursorPosition(0);
    const int textWidth = end - CaretX(edit);
    const QString tip = TextFits(edit, textWidth) ? QString() : edit.text();
    if (edit.toolTip() != tip)
        edit.setToolTip(tip);
}

} // namespace view
