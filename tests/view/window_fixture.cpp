// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_fixture.h"

#include "long_text.h"

#include <QApplication>
#include <QTest>

QPalette DarkPalette() {
    QPalette dark(QColor(0x30, 0x30, 0x30), QColor(0x20, 0x20, 0x20));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::ButtonText, Qt::white);
    dark.setColor(QPalette::Base, QColor(0x10, 0x10, 0x10));
    return dark;
}

void WindowTest::SetUp() {
    m_window = std::make_unique<view::TolvarineWindow>(Format());
    m_window->Start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
    QApplication::setActiveWindow(m_window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
}

void WindowTest::TearDown() {
    m_window.reset();
}

QLineEdit &WindowTest::Edit(const char *name) {
    auto *edit = m_window->findChild<QLineEdit *>(QString::fromUtf8(name));
    if (!edit)
        throw std::runtime_error(std::string("no field ") + name);
    return *edit;
}

QComboBox &WindowTest::Combo(const char *name) {
    auto *combo = m_window->findChild<QComboBox *>(QString::fromUtf8(name));
    if (!combo)
        throw std::runtime_error(std::string("no list ") + name);
    return *combo;
}

QLabel &WindowTest::Label(const char *name) {
    auto *label = m_window->findChild<QLabel *>(QString::fromUtf8(name));
    if (!label)
        throw std::runtime_error(std::string("no label ") + name);
    return *label;
}

QPushButton &WindowTest::Button() {
    return *m_window->findChild<QPushButton *>(QStringLiteral("cmdClear"));
}

void WindowTest::TypeInto(const char *field, const QString &text) {
    QLineEdit &edit = Edit(field);
    edit.setFocus(Qt::OtherFocusReason);
    QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(&edit, text);
}

void WindowTest::Choose(const char *list, const QString &entry) {
    QComboBox &combo = Combo(list);
    combo.setFocus(Qt::OtherFocusReason);
    const int target = combo.findText(entry);
    ASSERT_GE(target, 0) << list << ": no entry " << entry.toStdString();
    while (combo.currentIndex() < target)
        QTest::keyClick(&combo, Qt::Key_Down);
    while (combo.currentIndex() > target)
        QTest::keyClick(&combo, Qt::Key_Up);
    ASSERT_EQ(combo.currentText(), entry) << list;
}

void WindowTest::ExpectWidgetsMirrorModel() {
    using window::Control;
    using window::ControlId;
    const window::frmTolvarine &form = m_window->Form();
    for (const ControlId id : {ControlId{Control::txtCs, 0},
                               {Control::txtCs, 1},
                               {Control::txtCs, 2},
                               {Control::txtCs, 3},
                               {Control::txtUst, 0},
                               {Control::txtCst, 0},
                               {Control::txtUs, 0},
                               {Control::txtUs, 1},
                               {Control::txtUs, 2},
                               {Control::txtUs, 3},
                               {Control::txtUMUs, 0},
                               {Control::txtUMUs, 1},
                               {Control::txtUMUs, 2},
                               {Control::txtUMUs, 3}}) {
        const auto *edit = static_cast<const QLineEdit *>(m_window->WidgetOf(id));
        EXPECT_EQ(WholeText(*edit).toStdString(), form.Field(id).Text())
            << edit->objectName().toStdString();
        EXPECT_EQ(edit->isHidden(), !form.Field(id).Shown()) << edit->objectName().toStdString();
    }
    for (const ControlId id : {ControlId{Control::cboCs, 0},
                               {Control::cboCs, 1},
                               {Control::cboCs, 2},
                               {Control::cboCs, 3},
                               {Control::cboUst, 0}}) {
        const auto *combo = static_cast<const QComboBox *>(m_window->WidgetOf(id));
        EXPECT_EQ(combo->currentIndex(), form.List(id).ListIndex());
        EXPECT_EQ(combo->currentText().toStdString(), form.List(id).Text());
    }
    for (const ControlId id : {ControlId{Control::lblUMs, 0},
                               {Control::lblEticheteS, 0},
                               {Control::lblEticheteS, 3},
                               {Control::lblEroare, 0}}) {
        const auto *label = static_cast<const QLabel *>(m_window->WidgetOf(id));
        EXPECT_EQ(label->text().toStdString(), form.LabelOf(id).Caption());
        EXPECT_EQ(label->isHidden(), !form.LabelOf(id).Shown());
    }
}

QString WindowTest::WholeText(const QLineEdit &edit) {
    const QString whole = edit.property(view::kWholeTextProperty).toString();
    return whole.isEmpty() ? edit.text() : whole;
}
