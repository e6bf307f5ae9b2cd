// SPDX-License-Identifier: GPL-3.0-or-later
// Nothing clipped, nothing faint: every label's text within the rectangle
// that the layout gives it, at the scales of 1, 1.5 and 2, in the fonts the
// build uses and in Windows' own where installed; the margins and their
// warning sign legible; the context menu showing the keys.
#include "window_fixture.h"

#include "layout_values.h"
#include "rating_layout.h"
#include "rating_panel.h"

#include <QAction>
#include <QApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QImage>
#include <QTest>

#include <cmath>
#include <vector>

namespace {

using view::Rgb;

struct PlacedText {
    QString name;
    QString text;
    QRect rect; // from the table, in logical pixels
    view::FontSpec font;
    // A label of the window's own design may grow into the free room
    // around it, up to the next control; the rating panel's fit as placed.
    bool grows = false;
};

// Every label of the window and of the rating panel with its table
// rectangle; a label of the model with the caption it shows. The messages
// (lblEroare, lblVerificare) wrap in their band and are not measured here.
std::vector<PlacedText> Labels(const view::TolvarineWindow &window) {
    std::vector<PlacedText> texts;
    const auto add = [&texts](const auto &labels, bool grows) {
        for (const view::StaticLabelRow &row : labels)
            texts.push_back({row.name, QString::fromUtf8(row.caption), view::ToPixels(row.rect),
                             row.font, grows});
    };
    const auto addControls = [&](const auto &controls, bool grows) {
        for (const view::ControlRow &row : controls) {
            const window::Control c = row.id.control;
            if (row.kind != view::WidgetKind::Label || c == window::Control::lblEroare ||
                c == window::Control::lblVerificare)
                continue;
            texts.push_back({row.name,
                             QString::fromStdString(window.Form().LabelOf(row.id).Caption()),
                             view::ToPixels(row.rect), row.font, grows});
        }
    };
    add(view::Layout().labels, true);
    add(view::RatingPanelLayout().labels, false);
    addControls(view::Layout().controls, true);
    addControls(view::RatingPanelLayout().controls, false);
    return texts;
}

// The room a growing label has: up to the nearest control on its right in
// the window's frame.
int Room(const PlacedText &t) {
    int right = view::ToPixels(view::Layout().frame).width();
    for (const view::ControlRow &row : view::Layout().controls) {
        const QRect other = view::ToPixels(row.rect);
        if (row.kind != view::WidgetKind::Label && other.left() >= t.rect.left() &&
            other.top() < t.rect.bottom() && other.bottom() > t.rect.top())
            right = std::min(right, other.left());
    }
    return right - t.rect.left();
}

// The families to measure with: the build's, and Windows' where installed.
QStringList Families() {
    QStringList families{view::ProgramFont().family()};
    for (const QString &windows :
         {QStringLiteral("Verdana"), QStringLiteral("Tahoma"), QStringLiteral("Segoe UI")}) {
        if (QFontDatabase::families().contains(windows) && !families.contains(windows))
            families << windows;
    }
    return families;
}

class PanelTexts : public WindowTest {};

TEST_F(PanelTexts, EachLabelFitsItsRectangleAtEveryScale) {
    TypeInto("txtCs(0)", "100n");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
    const std::vector<PlacedText> texts = Labels(Window());
    ASSERT_GE(texts.size(), 29U);
    for (const QString &family : Families()) {
        for (const double scale : {1.0, 1.5, 2.0}) {
            for (const PlacedText &t : texts) {
                QFont font = view::ToFont(t.font);
                font.setFamily(family);
                font.setPointSizeF(t.font.points * scale); // as a screen of 96 x scale dpi
                const QFontMetricsF metrics(font);
                const double width = metrics.horizontalAdvance(t.text) / scale;
                const double height = metrics.height() / scale;
                EXPECT_LE(width, t.grows ? Room(t) : t.rect.width())
                    << t.name.toStdString() << " \"" << t.text.toStdString() << "\" in "
                    << family.toStdString() << " at " << scale;
                if (!t.grows) {
                    EXPECT_LE(height, t.rect.height()) << t.name.toStdString() << " at " << scale;
                }
            }
        }
    }
}

double Luminance(QColor c) {
    const auto channel = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double Contrast(QColor a, QColor b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The sign is drawn, not a font's glyph: mostly solid in the margin's red,
// whatever the platform's symbol font.
TEST_F(PanelTexts, TheWarningSignAndTheMarginsHaveTheContrastOfText) {
    const view::RatingLayout &layout = view::RatingPanelLayout();
    const QColor field = view::ToColor(view::kResult);
    for (const Rgb text : {layout.within, layout.exceeds})
        EXPECT_GE(Contrast(view::ToColor(text), field), 4.5) << std::hex << text;
    const QColor red = view::ToColor(layout.exceeds);
    for (const int size : {16, 32}) {
        const QImage sign = view::WarningSign(red).pixmap(size, size).toImage();
        int solid = 0;
        for (int y = 0; y < sign.height(); ++y) {
            for (int x = 0; x < sign.width(); ++x) {
                const QColor pixel = sign.pixelColor(x, y);
                solid += pixel.alpha() == 255 && Contrast(pixel, field) >= 4.5;
            }
        }
        EXPECT_GE(solid, sign.width() * sign.height() / 4) << size;
    }
}

TEST_F(PanelTexts, TheContextMenuShowsTheKeysOfItsActions) {
    const std::pair<const char *, QKeySequence> expected[] = {
        {"Copiază rezultatele", QKeySequence(QStringLiteral("Ctrl+Shift+C"))},
        {"Verificarea tensiunilor nominale", QKeySequence(Qt::Key_F2)},
    };
    for (const auto &[text, keys] : expected) {
        const auto actions = Window().actions();
        const auto it = std::ranges::find_if(
            actions, [&](QAction *a) { return a->text() == QString::fromUtf8(text); });
        ASSERT_NE(it, actions.end()) << text;
        EXPECT_EQ((*it)->shortcut(), keys) << text;
        EXPECT_TRUE((*it)->isShortcutVisibleInContextMenu()) << text;
    }
}

} // namespace
