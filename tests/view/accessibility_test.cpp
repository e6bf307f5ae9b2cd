// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader reads from the window, through Qt's accessibility
// interfaces.
#include "window_fixture.h"

#include <QAccessible>

namespace {

using Accessibility = WindowTest;

QString Read(QWidget &widget, QAccessible::Text text) {
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(&widget);
    return iface ? iface->text(text) : QStringLiteral("<no interface>");
}

TEST_F(Accessibility, NamesEachListWithItsEntryAsValue) {
    Choose("cboCs(1)", "uF");
    const std::pair<const char *, const char *> lists[] = {
        {"cboCs(0)", "Unitatea C1"},
        {"cboCs(1)", "Unitatea C2"},
        {"cboCs(2)", "Unitatea C3"},
        {"cboCs(3)", "Unitatea C4"},
        {"cboUst", "Unitatea tensiunii aplicate"},
    };
    for (const auto &[name, accessibleName] : lists) {
        QComboBox &combo = Combo(name);
        EXPECT_EQ(Read(combo, QAccessible::Name), QString::fromUtf8(accessibleName)) << name;
        EXPECT_EQ(Read(combo, QAccessible::Value), combo.currentText()) << name;
    }
    EXPECT_EQ(Read(Combo("cboCs(1)"), QAccessible::Value), "uF");
}

TEST_F(Accessibility, DescribesResultsWithTheirUnitAsReadOnly) {
    TypeInto("txtCs(0)", "3.197");
    Choose("cboCs(0)", "nF");
    TypeInto("txtUst", "230");
    const std::pair<const char *, const char *> results[] = {
        {"txtCst", "nF. Rezultat, numai pentru citire."},
        {"txtUs(0)", "V. Rezultat, numai pentru citire."},
        {"txtUs(1)", "Rezultat, numai pentru citire."},
        {"txtUMUs(0)", "Rezultat, numai pentru citire."},
    };
    for (const auto &[name, description] : results)
        EXPECT_EQ(Read(Edit(name), QAccessible::Description), QString::fromUtf8(description))
            << name;
    EXPECT_EQ(Read(Edit("txtCst"), QAccessible::Value), "3.197");
}

} // namespace
