// SPDX-License-Identifier: GPL-3.0-or-later
#include "layout_values.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QStringList>

#include <cmath>

namespace view {

QRect ToPixels(TwipRect rect) {
    return {rect.left / kTwipsPerPixel, rect.top / kTwipsPerPixel, rect.width / kTwipsPerPixel,
            rect.height / kTwipsPerPixel};
}

QPoint ToPixels(TwipPoint point) {
    return {point.x / kTwipsPerPixel, point.y / kTwipsPerPixel};
}

QColor ToColor(Rgb rgb) {
    return QColor::fromRgb(static_cast<QRgb>(rgb));
}

// Verdana where installed, otherwise its closest metric match. The family is
// looked up once: asking for a missing family sends every font of the window
// through the system's substitution search, which slows the start-up.
static QString FontFamily() {
    static const QString family = [] {
        // The list of installed families, unlike hasFamily, resolves no alias.
        const QStringList installed = QFontDatabase::families();
        for (const QString &name : {QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")}) {
            if (installed.contains(name))
                return name;
        }
        return QString();
    }();
    return family;
}

QFont ToFont(FontSpec fontSpec) {
    QFont font;
    const QString family = FontFamily();
    if (!family.isEmpty())
        font.setFamily(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(fontSpec.points);
    font.setBold(fontSpec.bold);
    return font;
}

QFont ProgramFont() {
    return ToFont(Layout().windowFont);
}

QRect FittedLabelRect(QRect rect, const QFont &font, const QString &caption) {
    const QFontMetricsF metrics(font);
    const int width = static_cast<int>(std::ceil(metrics.horizontalAdvance(caption)));
    const int height = static_cast<int>(std::ceil(metrics.height()));
    rect.setWidth(std::max(rect.width(), width));
    rect.setHeight(std::max(rect.height(), height));
    return rect;
}

QPalette WindowPalette() {
    const QColor grey = ToColor(Layout().background);
    const QColor text = ToColor(Layout().text);
    QPalette palette(grey, grey); // derives the shades of the bevels from the grey
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::AlternateBase, grey);
    palette.setColor(QPalette::ToolTipBase, QColor(0xFFFFE1));
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, Qt::darkGray);
    palette.setColor(QPalette::Highlight, QColor(0x000080));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Link, Qt::blue);
    palette.setColor(QPalette::BrightText, Qt::white);
    return palette;
}

QPalette WithBackground(QPalette palette, QColor colour) {
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Button, colour);
    return palette;
}

} // namespace view
