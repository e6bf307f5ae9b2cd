// SPDX-License-Identifier: GPL-3.0-or-later
// The window's geometry, colours and fonts, at 96 dpi: 15 twips to a pixel.
#include "window_fixture.h"

#include "layout_values.h"

#include <QApplication>
#include <QFontInfo>
#include <QFrame>
#include <QTest>

#include <optional>

namespace {

enum class Kind { Field, List, Label, Button };

struct Expected {
    const char *name;
    Kind kind;
    QRect rect; // pixels, inside the frame
    std::optional<QRgb> background;
    Qt::Alignment align;
    double points;
    bool bold;
};

constexpr QRgb kGreen = 0xFFC0FFC0, kYellow = 0xFFFFFF80, kGrey = 0xFFE0E0E0;
constexpr auto kRight = Qt::AlignRight, kLeft = Qt::AlignLeft;

const Expected kControls[] = {
    {"txtCs(0)", Kind::Field, {32, 52, 57, 24}, kGreen, kRight, 9.75, false},
    {"txtCs(1)", Kind::Field, {168, 52, 57, 24}, kGreen, kRight, 9.75, false},
    {"txtCs(2)", Kind::Field, {304, 52, 57, 24}, kGreen, kRight, 9.75, false},
    {"txtCs(3)", Kind::Field, {440, 52, 57, 24}, kGreen, kRight, 9.75, false},
    {"cboCs(0)", Kind::List, {88, 52, 73, 24}, {}, {}, 9.75, false},
    {"cboCs(1)", Kind::List, {224, 52, 73, 24}, {}, {}, 9.75, false},
    {"cboCs(2)", Kind::List, {360, 52, 73, 24}, {}, {}, 9.75, false},
    {"cboCs(3)", Kind::List, {496, 52, 73, 24}, {}, {}, 9.75, false},
    {"txtCst", Kind::Field, {624, 124, 73, 25}, kYellow, kRight, 9.75, false},
    {"txtUs(0)", Kind::Field, {40, 192, 57, 24}, kYellow, kRight, 9.75, false},
    {"txtUs(1)", Kind::Field, {176, 192, 57, 24}, kYellow, kRight, 9.75, false},
    {"txtUs(2)", Kind::Field, {312, 192, 57, 24}, kYellow, kRight, 9.75, false},
    {"txtUs(3)", Kind::Field, {448, 192, 57, 24}, kYellow, kRight, 9.75, false},
    {"txtUMUs(0)", Kind::Field, {96, 192, 41, 25}, kGrey, kLeft, 9.75, false},
    {"txtUMUs(1)", Kind::Field, {232, 192, 41, 25}, kGrey, kLeft, 9.75, false},
    {"txtUMUs(2)", Kind::Field, {368, 192, 41, 25}, kGrey, kLeft, 9.75, false},
    {"txtUMUs(3)", Kind::Field, {504, 192, 41, 25}, kGrey, kLeft, 9.75, false},
    {"txtUst", Kind::Field, {312, 264, 57, 24}, kGreen, kRight, 9.75, false},
    {"cboUst", Kind::List, {368, 264, 73, 24}, {}, {}, 9.75, false},
    {"cmdClear", Kind::Button, {664, 272, 97, 25}, kGrey, {}, 9.75, false},
    {"lblC(0)", Kind::Label, {104, 112, 17, 16}, {}, kLeft, 9.75, false},
    {"lblC(1)", Kind::Label, {240, 112, 17, 16}, {}, kLeft, 9.75, false},
    {"lblC(2)", Kind::Label, {376, 112, 17, 16}, {}, kLeft, 9.75, false},
    {"lblC(3)", Kind::Label, {512, 112, 17, 16}, {}, kLeft, 9.75, false},
    {"lblU(0)", Kind::Label, {56, 224, 26, 16}, {}, kLeft, 9.75, false},
    {"lblU(1)", Kind::Label, {192, 224, 26, 16}, {}, kLeft, 9.75, false},
    {"lblU(2)", Kind::Label, {328, 224, 26, 16}, {}, kLeft, 9.75, false},
    {"lblU(3)", Kind::Label, {464, 224, 26, 16}, {}, kLeft, 9.75, false},
    {"lblEticheteS(0)", Kind::Label, {592, 96, 174, 18}, {}, kLeft, 11.25, false},
    {"lblUMs", Kind::Label, {712, 128, 16, 16}, {}, kLeft, 9.75, false},
    {"lblEticheteS(3)", Kind::Label, {176, 270, 134, 13}, {}, kLeft, 8.25, false},
    {"lblKEDRA", Kind::Label, {696, 24, 60, 18}, {}, kLeft, 12, true},
};

void PrintTo(const Expected &e, std::ostream *os) {
    *os << e.name;
}

class Layout : public WindowTest, public testing::WithParamInterface<Expected> {};

TEST_P(Layout, PlacesColoursAndLettersEachControlAsTheTableSays) {
    const Expected &e = GetParam();
    auto *widget = Window().findChild<QWidget *>(e.name);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->parentWidget()->objectName(), "fraSerie");
    if (e.kind == Kind::Label) {
        // A label may grow to show its caption whole; its corner stays.
        EXPECT_EQ(widget->pos(), e.rect.topLeft());
        EXPECT_GE(widget->width(), e.rect.width());
        EXPECT_GE(widget->height(), e.rect.height());
        EXPECT_LE(widget->width(), e.rect.width() + 4) << "grown more than the caption needs";
    } else {
        EXPECT_EQ(widget->geometry(), e.rect);
    }

    const QPalette palette = widget->palette();
    const auto role = e.kind == Kind::Button ? QPalette::Button : QPalette::Base;
    if (e.background) {
        EXPECT_EQ(palette.color(role).rgba(), *e.background);
    }
    const auto textRole = e.kind == Kind::Label    ? QPalette::WindowText
                          : e.kind == Kind::Button ? QPalette::ButtonText
                                                   : QPalette::Text;
    EXPECT_EQ(palette.color(textRole), QColor(Qt::black));

    if (auto *edit = qobject_cast<QLineEdit *>(widget)) {

        EXPECT_EQ(edit->alignment() & Qt::AlignHorizontal_Mask, e.align);
    }
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask, e.align);
    }

    const QFontInfo font(widget->font());
    EXPECT_TRUE(font.family() == "Verdana" || font.family() == "DejaVu Sans")
        << font.family().toStdString();
    EXPECT_DOUBLE_EQ(widget->font().pointSizeF(), e.points);
    EXPECT_EQ(widget->font().bold(), e.bold);
}

INSTANTIATE_TEST_SUITE_P(Window, Layout, testing::ValuesIn(kControls), [](const auto &info) {
    std::string name = info.param.name;
    std::erase_if(name, [](char c) { return c == '(' || c == ')'; });
    return name;
});

using LayoutOfWindow = WindowTest;

TEST_F(LayoutOfWindow, HasItsCaptionAFixedClientAreaAndTheFrameWithItsMargins) {
    EXPECT_EQ(Window().windowTitle(), " Tolvarine ");
    EXPECT_EQ(Window().size(), QSize(794, 330));
    EXPECT_EQ(Window().minimumSize(), QSize(794, 330));
    EXPECT_EQ(Window().maximumSize(), QSize(794, 330));
    auto *frame = Window().findChild<QFrame *>("fraSerie");
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->geometry(), QRect(8, 8, 777, 313));
    EXPECT_EQ(Window().width() - frame->geometry().right() - 1, 9);
    EXPECT_EQ(Window().height() - frame->geometry().bottom() - 1, 9);
    EXPECT_EQ(frame->focusPolicy(), Qt::NoFocus);
}

TEST_F(LayoutOfWindow, ShowsTheStaticCaptions) {
    const std::pair<const char *, const char *> captions[] = {
        {"lblC(0)", "C1"},
        {"lblC(1)", "C2"},
        {"lblC(2)", "C3"},
        {"lblC(3)", "C4"},
        {"lblU(0)", "UC1"},
        {"lblU(1)", "UC2"},
        {"lblU(2)", "UC3"},
        {"lblU(3)", "UC4"},
        {"lblKEDRA", "KEDRA"},
        {"lblEticheteS(3)", "Tensiunea aplicată (~):"},
        {"lblEticheteS(0)", "Capacitate echivalentă:"}};
    for (const auto &[name, caption] : captions) {
        EXPECT_EQ(Label(name).text(), QString::fromUtf8(caption)) << name;
    }
    EXPECT_EQ(Button().text(), "Sterge valori");
}

bool IsValueUnitPair(const QString &a, const QString &b) {
    static const QStringList pairs = {
        "txtCs(0)cboCs(0)",   "txtCs(1)cboCs(1)",   "txtCs(2)cboCs(2)",
        "txtCs(3)cboCs(3)",   "txtUs(0)txtUMUs(0)", "txtUs(1)txtUMUs(1)",
        "txtUs(2)txtUMUs(2)", "txtUs(3)txtUMUs(3)", "txtUstcboUst"};
    return pairs.contains(a + b) || pairs.contains(b + a);
}

TEST_F(LayoutOfWindow, NoTwoControlsOverlapButValueAndUnitByOnePixel) {
    // Show every caption the model can give lblUMs, the error message too.
    TypeInto("txtCs(0)", "1");
    const auto frame = Window().findChild<QFrame *>("fraSerie");
    const auto widgets = frame->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    ASSERT_EQ(widgets.size(), 33);
    int pairs = 0;
    for (qsizetype i = 0; i < widgets.size(); ++i) {
        EXPECT_TRUE(frame->contentsRect().contains(widgets[i]->geometry()))
            << widgets[i]->objectName().toStdString();
        for (qsizetype j = i + 1; j < widgets.size(); ++j) {
            const QRect common = widgets[i]->geometry() & widgets[j]->geometry();
            if (common.isEmpty())
                continue;
            const QString a = widgets[i]->objectName(), b = widgets[j]->objectName();
            EXPECT_TRUE(IsValueUnitPair(a, b) && common.width() == 1)
                << a.toStdString() << " overlaps " << b.toStdString();
            ++pairs;
        }
    }
    EXPECT_EQ(pairs, 9);
}

// A caption shows whole when its label is as wide and as high as its text.
void ExpectWhole(const QLabel &label) {
    const QFontMetricsF metrics(label.font());
    EXPECT_LE(metrics.horizontalAdvance(label.text()), label.contentsRect().width())
        << label.objectName().toStdString() << ": " << label.text().toStdString();
    EXPECT_LE(metrics.height(), label.contentsRect().height()) << label.objectName().toStdString();
}

TEST_F(LayoutOfWindow, ClipsNoCaption) {
    TypeInto("txtCs(0)", "1");
    for (const QString unit : {"pF", "nF", "uF"}) {
        Choose("cboCs(0)", unit);
        ASSERT_EQ(Label("lblUMs").text(), unit);
        ExpectWhole(Label("lblUMs"));
    }
    for (QLabel *label : Window().findChildren<QLabel *>()) {
        if (label->objectName() != "lblEroare")
            ExpectWhole(*label);
    }
    const QFontMetricsF metrics(Button().font());
    EXPECT_LT(metrics.horizontalAdvance(Button().text()), Button().width() - 8);
}

// A QLineEdit whose text does not fit scrolls it to keep the caret in view, so
// the text moves when the caret goes from its start to its end.
bool ShowsWhole(QLineEdit &edit, const QString &text) {
    edit.setText(text);
    edit.setCursorPosition(0);
    const QImage atStart = edit.grab().toImage();
    edit.setCursorPosition(static_cast<int>(text.size()));
    const QImage atEnd = edit.grab().toImage();
    return atStart == atEnd;
}

TEST_F(LayoutOfWindow, ClipsNoValue) {
    TypeInto("txtCs(0)", "1"); // shows txtCst
    Button().setFocus();       // no caret blinks in the fields
    const std::pair<const char *, QStringList> values[] = {
        {"txtCs(0)", {"999999", "0.0015", "123.45"}},
        {"txtUst", {"999999", "0.0015"}},
        {"txtCst", {"999.999", "158.125", "0.333"}},
        {"txtUs(0)", {"999.999", "158.125", "71.875"}},
        {"txtUMUs(0)", {"mV", "uV", "kV", "MV"}},
    };
    for (const auto &[name, texts] : values) {
        for (const QString &text : texts) {
            EXPECT_TRUE(ShowsWhole(Edit(name), text)) << name << ": " << text.toStdString();
        }
    }
    // The check itself sees a clipped text.
    EXPECT_FALSE(ShowsWhole(Edit("txtCs(0)"), "99999999"));
}

TEST_F(LayoutOfWindow, NamesEveryFieldAndListInRomanian) {
    const std::pair<const char *, const char *> names[] = {
        {"txtCs(0)", "C1"},
        {"txtCs(3)", "C4"},
        {"cboCs(0)", "Unitatea C1"},
        {"cboCs(2)", "Unitatea C3"},
        {"txtUs(0)", "Tensiunea pe C1"},
        {"txtUs(3)", "Tensiunea pe C4"},
        {"txtUMUs(0)", "Unitatea tensiunii pe C1"},
        {"txtUMUs(2)", "Unitatea tensiunii pe C3"},
        {"txtUst", "Tensiunea aplicată"},
        {"cboUst", "Unitatea tensiunii aplicate"},
        {"txtCst", "Capacitate echivalentă"},
    };
    for (const auto &[name, accessible] : names) {
        EXPECT_EQ(Window().findChild<QWidget *>(name)->accessibleName(),
                  QString::fromUtf8(accessible))
            << name;
    }
    for (QLineEdit *edit : Window().findChildren<QLineEdit *>()) {
        EXPECT_FALSE(edit->accessibleName().isEmpty()) << edit->objectName().toStdString();
    }
    for (QComboBox *combo : Window().findChildren<QComboBox *>()) {
        EXPECT_FALSE(combo->accessibleName().isEmpty()) << combo->objectName().toStdString();
    }
}

TEST_F(LayoutOfWindow, KeepsReadOnlyFieldsFocusableAndInputFieldsUnlimitedByQt) {
    for (const char *name : {"txtCst", "txtUs(0)", "txtUs(3)", "txtUMUs(0)", "txtUMUs(3)"}) {
        EXPECT_TRUE(Edit(name).isReadOnly()) << name;
        EXPECT_EQ(Edit(name).focusPolicy(), Qt::StrongFocus) << name;
    }
    for (const char *name : {"txtCs(0)", "txtCs(3)", "txtUst"}) {
        EXPECT_FALSE(Edit(name).isReadOnly()) << name;
        EXPECT_GT(Edit(name).maxLength(), 7) << name;
    }
    for (QComboBox *combo : Window().findChildren<QComboBox *>()) {
        EXPECT_FALSE(combo->isEditable());
    }
}

TEST_F(LayoutOfWindow, PutsTheErrorMessageInTheFreeBandAboveTheCapacitances) {
    TypeInto("txtCs(0)", "9307");
    Choose("cboCs(0)", "uF");
    Edit("txtCs(0)").setCursorPosition(1);
    QTest::keyClick(&Edit("txtCs(0)"), Qt::Key_E);
    QLabel &message = Label("lblEroare");
    ASSERT_FALSE(message.isHidden());
    EXPECT_GE(message.x(), 32);
    EXPECT_LE(message.geometry().bottom(), 51);
    EXPECT_LT(message.geometry().right(), 696);
    EXPECT_TRUE(message.wordWrap());
    EXPECT_LE(message.heightForWidth(message.width()), message.height())
        << "the message is clipped";
    EXPECT_EQ(message.palette().color(QPalette::WindowText), QColor(0x8B0000));
}

// The program's start-up sets the application's font; the window sets only
// its own.
TEST(ProgramFont, WindowLeavesTheApplicationsFontAlone) {
    const QFont before = QApplication::font();
    const QFont other(QStringLiteral("Monospace"), 20);
    QApplication::setFont(other);
    {
        const view::TolvarineWindow window(test_support::EnglishFormat());
        EXPECT_EQ(QApplication::font(), other);
        EXPECT_EQ(window.font(), view::ProgramFont());
    }
    QApplication::setFont(before);
}

} // namespace
