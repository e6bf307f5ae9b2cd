// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "layout.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QPoint>
#include <QRect>
#include <QString>

// The layout's values in Qt's terms: logical pixels, colours and fonts.
namespace view {

QRect ToPixels(TwipRect rect);
QPoint ToPixels(TwipPoint point);
QColor ToColor(Rgb rgb);

// Verdana where installed, otherwise DejaVu Sans, its closest metric match.
QFont ToFont(FontSpec fontSpec);

// The program's font: the window's font from the layout table. The program
// sets it for the whole application before it creates the window, because a
// line edit lays out its text once in the application's font before it
// inherits the window's, and a second font would be loaded for that alone.
QFont ProgramFont();

// A label's rectangle from the table, grown where needed so that `caption`
// shows whole in `font`; its top-left corner stays.
QRect FittedLabelRect(QRect rect, const QFont &font, const QString &caption);

// Black text on the window's grey in every colour group, so that the window
// looks the same whatever the desktop's theme.
QPalette WindowPalette();

// `palette` with `colour` as the background of a field, list or button.
QPalette WithBackground(QPalette palette, QColor colour);

} // namespace view
