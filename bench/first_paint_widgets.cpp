// SPDX-License-Identifier: GPL-3.0-or-later
// The window's widgets and nothing behind them: stock Qt widgets at the
// table's places, in its fonts and colours, showing the texts the program
// shows after its load, with no model, handlers, drawing or accessibility.
// What the program costs over this yardstick is its own; what this costs
// over the minimal window is the price of what the window shows.
#include "first_paint.h"
#include "frm_tolvarine.h"
#include "layout.h"
#include "layout_values.h"
#include "number_format.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace {

void Place(QWidget &widget, const view::ControlRow &row) {
    widget.setGeometry(view::ToPixels(row.rect));
    if (row.font != view::Layout().windowFont)
        widget.setFont(view::ToFont(row.font));
    if (row.background)
        widget.setPalette(view::WithBackground(widget.palette(), view::ToColor(*row.background)));
}

void Build(const view::ControlRow &row, const window::frmTolvarine &form, QWidget &frame) {
    using view::WidgetKind;
    switch (row.kind) {
    case WidgetKind::Field: {
        auto *edit = new QLineEdit(QString::fromStdString(form.Field(row.id).Text()), &frame);
        Place(*edit, row);
        edit->setFrame(row.border == view::Border::Sunken);
        edit->setReadOnly(form.Field(row.id).ReadOnly());
        edit->setVisible(form.Field(row.id).Shown());
        break;
    }
    case WidgetKind::List: {
        auto *combo = new QComboBox(&frame);
        Place(*combo, row);
        const window::PickList &list = form.List(row.id);
        for (int entry = 0; entry < list.ListCount(); ++entry)
            combo->addItem(QString::fromStdString(list.List(entry)));
        combo->setCurrentIndex(list.ListIndex());
        break;
    }
    case WidgetKind::Label: {
        auto *label = new QLabel(QString::fromStdString(form.LabelOf(row.id).Caption()), &frame);
        Place(*label, row);
        label->setVisible(form.LabelOf(row.id).Shown());
        break;
    }
    case WidgetKind::Button: {
        auto *button =
            new QPushButton(QString::fromStdString(form.ButtonOf(row.id).Caption()), &frame);
        Place(*button, row);
        break;
    }
    }
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setFont(view::ProgramFont());
    window::frmTolvarine form(runtime::NumberFormat{});
    form.Start([] {});

    const view::WindowLayout &layout = view::Layout();
    QWidget window;
    window.setPalette(view::WindowPalette());
    window.setAutoFillBackground(true);
    window.setFixedSize(layout.clientWidth / view::kTwipsPerPixel,
                        layout.clientHeight / view::kTwipsPerPixel);
    QWidget frame(&window);
    frame.setGeometry(view::ToPixels(layout.frame));
    for (const view::ControlRow &row : layout.controls)
        Build(row, form, frame);
    for (const view::StaticLabelRow &row : layout.labels) {
        auto *label = new QLabel(QString::fromUtf8(row.caption), &frame);
        label->setGeometry(view::ToPixels(row.rect));
        if (row.font != layout.windowFont)
            label->setFont(view::ToFont(row.font));
    }
    QuitAfterFirstPaint(window);
    window.show();
    return QApplication::exec();
}
