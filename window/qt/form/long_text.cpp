// SPDX-License-Identifier: GPL-3.0-or-later
#include "long_text.h"

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

// Shorter forms of a value, longest first, as a spreadsheet shows a number
// in a narrow cell: fewer decimals, rounded ("123,46" for 123,456), then
// scientific notation ("7,5E+11" for 750000000000). None for a text that is
// no number.
std::vector<QString> ShorterForms(const QString &whole, const QString &decimal) {
    QString plain = whole;
    plain.replace(decimal, QStringLiteral("."));
    bool ok = false;
    const double value = plain.toDouble(&ok);
    if (!ok)
        return {};
    std::vector<QString> forms;
    const qsizetype mark = plain.indexOf(QLatin1Char('.'));
    if (mark >= 0 && !plain.contains(QLatin1Char('E'), Qt::CaseInsensitive)) {
        for (auto decimals = static_cast<int>(plain.size() - mark - 2); decimals >= 0; --decimals)
            forms.push_back(QString::number(value, 'f', decimals));
    }
    for (int digits = 15; digits >= 0; --digits) {
        QString text = QString::number(value, 'E', digits);
        const qsizetype exponent = text.indexOf(QLatin1Char('E'));
        qsizetype end = exponent;
        if (text.contains(QLatin1Char('.'))) {
            while (text[end - 1] == QLatin1Char('0'))
                --end;
            if (text[end - 1] == QLatin1Char('.'))
                --end;
        }
        forms.push_back(text.left(end) + text.mid(exponent));
    }
    for (QString &form : forms)
        form.replace(QLatin1Char('.'), decimal);
    return forms;
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

void ShowResult(QLineEdit &edit, const QString &whole, const QString &decimal) {
    const bool wholeShown = ShowFromStart(edit, whole);
    if (!wholeShown) {
        const std::vector<QString> forms = ShorterForms(whole, decimal);
        const auto fitting = std::ranges::find_if(
            forms, [&edit](const QString &form) { return ShowFromStart(edit, form); });
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
