#include "long_text.h"

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>

namespace view {

namespace {

// QLineEdit keeps this many pixels between its contents' edge and the text.
constexpr int kLineEditMargin = 2;

} // namespace

// The width QLineEdit lays its text out in, and the width its text needs, as
// it measures them itself.
bool TextFits(const QLineEdit &edit) {
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
    const int needed = metrics.horizontalAdvance(edit.text()) + 1 +
                       std::max(0, -metrics.minLeftBearing()) +
                       std::max(0, -metrics.minRightBearing());
    return needed <= contents.width() - 2 * kLineEditMargin;
}

void ShowLeadingText(QLineEdit &edit) {
    edit.setCursorPosition(0);
    const QString tip = TextFits(edit) ? QString() : edit.text();
    if (edit.toolTip() != tip)
        edit.setToolTip(tip);
}

} // namespace view
