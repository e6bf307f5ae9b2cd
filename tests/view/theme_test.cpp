// SPDX-License-Identifier: GPL-3.0-or-later
// The window's look under a dark desktop and its keyboard focus.
#include "window_fixture.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QStyle>
#include <QTest>

namespace {

int Darkest(const QImage &image, QRect rect) {
    int darkest = 255;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            darkest = std::min(darkest, qGray(image.pixel(x, y)));
    return darkest;
}

// A dark desktop: the Fusion style and a dark palette.
class DarkDesktop : public WindowTest {
protected:
    void SetUp() override {
        m_style = QApplication::style()->name();
        m_palette = QApplication::palette();
        QApplication::setStyle(QStringLiteral("Fusion"));
        QApplication::setPalette(DarkPalette());
        WindowTest::SetUp();
    }
    void TearDown() override {
        WindowTest::TearDown();
        QApplication::setStyle(m_style);
        QApplication::setPalette(m_palette);
    }

private:
    QString m_style;
    QPalette m_palette;
};

TEST_F(DarkDesktop, OpensTheListsInTheWindowsLightColours) {
    for (const char *name : {"cboCs(0)", "cboCs(3)", "cboUst"}) {
        QComboBox &combo = Combo(name);
        combo.showPopup();
        QAbstractItemView &view = *combo.view();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.window())) << name;
        const QImage image = view.viewport()->grab().toImage();
        const int scale = qRound(image.devicePixelRatio());
        // The row of the last entry, which is not the chosen one.
        const QRect row = view.visualRect(combo.model()->index(combo.count() - 1, 0));
        const QRect pixels = QRect(row.topLeft() * scale, row.size() * scale) & image.rect();
        const QRect margin(pixels.right() - 3 * scale, pixels.center().y(), 2 * scale, 1);
        EXPECT_GT(Darkest(image, margin), 200) << name << ": the background is dark";
        EXPECT_LT(Darkest(image, pixels), 80) << name << ": the text is light";
        combo.hidePopup();
    }
}

using FocusOnFields = WindowTest;

// The empty unit field, a result and the frameless voltage input.
TEST_F(FocusOnFields, ShowsWhereTheFocusIs) {
    for (const char *name : {"txtUMUs(0)", "txtUs(0)", "txtUst"}) {
        QLineEdit &edit = Edit(name);
        ASSERT_FALSE(edit.hasFocus()) << name;
        const QImage unfocused = edit.grab().toImage();
        edit.setFocus(Qt::OtherFocusReason);
        ASSERT_TRUE(edit.hasFocus()) << name;
        EXPECT_TRUE(edit.grab().toImage() != unfocused) << name << " looks the same focused";
        Edit("txtCs(0)").setFocus(Qt::OtherFocusReason);
    }
}

} // namespace
