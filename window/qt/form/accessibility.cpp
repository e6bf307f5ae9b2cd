// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessibility.h"

#include "long_text.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

namespace view {

using window::Control;
using window::ControlId;

namespace {

// A pick-only list: its name is its accessible name, its value its chosen
// entry, which it also offers as read-only text, where AT-SPI readers look
// for a list's value; its one child is the view of its popup.
class ListAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ListAccessible(QComboBox *combo)
        : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name:
            return Combo().accessibleName();
        case QAccessible::Value:
            return Combo().currentText();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = Combo().view()->isVisible();
        state.collapsed = !state.expanded;
        return state;
    }

    int childCount() const override { return 1; }
    QAccessibleInterface *child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(Combo().view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override {
        return child && child->object() == Combo().view() ? 0 : -1;
    }

    QStringList actionNames() const override {
        return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &action) override {
        if (action == showMenuAction())
            Combo().showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

    void *interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // The text of the chosen entry, without caret or selection.
    QString text(int startOffset, int endOffset) const override {
        return Combo().currentText().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(Combo().currentText().size()); }
    void selection(int, int *startOffset, int *endOffset) const override {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int *startOffset, int *endOffset) const override {
        *startOffset = *endOffset = 0;
        return {};
    }

private:
    QComboBox &Combo() const { return *static_cast<QComboBox *>(widget()); }
};

QAccessibleInterface *ListFactory(const QString &className, QObject *object) {
    auto *combo = qobject_cast<QComboBox *>(object);
    if (className != QLatin1String("QComboBox") || !combo || combo->isEditable() ||
        combo->accessibleName().isEmpty())
        return nullptr;
    return new ListAccessible(combo);
}

QString ResultDescription(const std::string &unit) {
    const QString result = QStringLiteral("Rezultat, numai pentru citire.");
    return unit.empty() ? result : QString::fromStdString(unit) + QStringLiteral(". ") + result;
}

} // namespace

void InstallListAccessibility() {
    QAccessible::removeFactory(ListFactory); // installed once, however many windows
    QAccessible::installFactory(ListFactory);
}

void DescribeResults(const window::frmTolvarine &form,
                     const std::map<ControlId, QLineEdit *> &fields,
                     std::map<ControlId, std::string> &describedUnits) {
    // A result and the field that shows its unit, of the same index; the
    // rating margin describes itself (RenderMargin).
    static const std::pair<Control, Control> kUnitFields[] = {
        {Control::txtUs, Control::txtUMUs},       {Control::txtUmax, Control::txtUMUmax},
        {Control::txtUvarf, Control::txtUMUvarf}, {Control::txtW, Control::txtUMW},
        {Control::txtQ, Control::txtUMQ},         {Control::txtWt, Control::txtUMWt},
        {Control::txtXc, Control::txtUMXc},       {Control::txtI, Control::txtUMI},
    };
    static const std::string kNoUnit;
    for (const auto &[id, edit] : fields) {
        if (!edit->isReadOnly() || id.control == Control::txtMarja)
            continue;
        const std::string *unit = &kNoUnit;
        if (id.control == Control::txtCst)
            unit = &form.LabelOf({Control::lblUMs, 0}).Caption();
        for (const auto &[value, unitField] : kUnitFields) {
            if (id.control == value)
                unit = &form.Field({unitField, id.index}).Text();
        }
        // A result shown shortened is described with its whole value.
        const std::string whole = edit->property(kWholeTextProperty).toString().toStdString();
        const std::string key = *unit + '\n' + whole;
        const auto [described, isNew] = describedUnits.try_emplace(id, key);
        if (!isNew && described->second == key)
            continue;
        described->second = key;
        edit->setAccessibleDescription((whole.empty() ? QString()
                                                      : QStringLiteral("Valoarea întreagă: ") +
                                                            QString::fromStdString(whole) +
                                                            QStringLiteral(". ")) +
                                       ResultDescription(*unit));
    }
}

} // namespace view
