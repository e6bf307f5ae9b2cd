// SPDX-License-Identifier: GPL-3.0-or-later
#include "long_text.h"

#include "short_forms.h"

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>
#include <vector>

namespace view {

namespace {

// QLineEdit keeps this many pixels between its contents' edge and the text.
constexpr int kLineEditMargin = 2;

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

namespace {

// Where the field draws its caret, from the text it has laid out already.
int CaretX(const QLineEdit &edit) {
    return edit.inputMethodQuery(Qt::ImCursorRectangle).toRect().x();
}

} // namespace

// Shows `text` from its start; whether it fits. The text's width is the
// caret's way from its end to its start: the field has shaped the text
// already, and measuring it again would cost as much.
bool ShowFromStart(QLineEdit &edit, const QString &text) {
    edit.setText(text);
    edit.end(false);
    const int end = CaretX(edit);
    edit.setCursorPosition(0);
    return TextFits(edit, end - CaretX(edit));
}

void ShowResult(QLineEdit &edit, const QString &whole, const runtime::NumberFormat &format) {
    const bool wholeShown = ShowFromStart(edit, whole);
    if (!wholeShown) {
        const std::vector<std::string> forms = calc::ShorterForms(whole.toStdString(), format);
        const auto fitting = std::ranges::find_if(forms, [&edit](const std::string &form) {
            return ShowFromStart(edit, QString::fromStdString(form));
        });
        if (forms.empty())
            ShowFromStart(edit, whole); // a unit: its start
        else if (fitting == forms.end())
            edit.setText(QString(QChar(0x2026))); // not even one digit fits
    }
    const QString tip = wholeShown ? QString() : whole;
    if (edit.toolTip() != tip)
        edit.setToolTip(tip);
    edit.setProperty(kWholeTextProperty, tip);
}

} // namespace view
