// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "locale_formats.h"
#include "number_format.h"
#include "tolvarine_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

// A dark desktop's palette: light text on dark grey.
QPalette DarkPalette();

// A started window, shown and active, for each test.
class WindowTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    virtual runtime::NumberFormat Format() const { return test_support::EnglishFormat(); }

    view::TolvarineWindow &Window() { return *m_window; }
    QLineEdit &Edit(const char *name);
    QComboBox &Combo(const char *name);
    QLabel &Label(const char *name);
    QPushButton &Button();

    // What a user does: select the whole text of a field and type over it.
    void TypeInto(const char *field, const QString &text);
    // Chooses a list's entry with the arrow keys, as a user may.
    void Choose(const char *list, const QString &entry);

    // A result field's whole text, also where it shows a shorter form.
    static QString WholeText(const QLineEdit &edit);
    // Every widget shows what its control of the model holds.
    void ExpectWidgetsMirrorModel();

private:
    std::unique_ptr<view::TolvarineWindow> m_window;
};
