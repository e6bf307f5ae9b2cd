// SPDX-License-Identifier: GPL-3.0-or-later
#include "message_band.h"

#include "layout_values.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QLineEdit>

namespace view {

namespace {

const char *const kAlertProperty = "tolvarineAlert";
const char *const kUnmarkedPalette = "tolvarineUnmarkedPalette";

class AlertLabel final : public QAccessibleWidget {
public:
    explicit AlertLabel(QLabel &label)
        : QAccessibleWidget(&label, QAccessible::AlertMessage) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return static_cast<const QLabel *>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *AlertFactory(const QString &className, QObject *object) {
    if (className == QLatin1String("QLabel") && object && object->property(kAlertProperty).toBool())
        return new AlertLabel(static_cast<QLabel &>(*object));
    return nullptr;
}

} // namespace

void MakeAlert(QLabel &band) {
    band.setProperty(kAlertProperty, true);
    QAccessible::installFactory(AlertFactory);
}

void AnnounceMessage(QLabel &band, bool wasShown) {
    if (band.isHidden() || band.text().isEmpty())
        return;
    if (wasShown) {
        band.hide();
        band.show();
    }
    QAccessibleEvent alert(&band, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void ShowMarked(QLineEdit &edit, bool marked) {
    const QVariant unmarked = edit.property(kUnmarkedPalette);
    if (marked == unmarked.isValid())
        return;
    if (!marked) {
        edit.setPalette(unmarked.value<QPalette>());
        edit.setProperty(kUnmarkedPalette, QVariant());
        return;
    }
    edit.setProperty(kUnmarkedPalette, edit.palette());
    QPalette palette = edit.palette();
    palette.setColor(QPalette::Text, ToColor(Layout().errorText));
    palette.setColor(QPalette::Base, ToColor(Layout().markedBackground));
    edit.setPalette(palette);
}

} // namespace view
