// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#ifndef Q_MOC_RUN
#include "design_model.h"
#endif

#include <QFrame>

#include <vector>

class QPushButton;
class QTableWidget;

namespace view {

struct ToggleRow;

// The frame fraProiectare of the design part with its headings, its table
// of combinations and the button "Folosește"; hidden until the user opens
// it. The window builds its inputs from the design layout table into it.
class DesignPanel final : public QFrame {
    Q_OBJECT

public:
    explicit DesignPanel(QWidget *window);

    QTableWidget &Table() const { return *m_table; }
    QPushButton &Use() const { return *m_use; }

    // Shows the rows, changing only the cells that differ; a row that a part
    // has no rating in is marked.
    void RenderRows(const std::vector<window::DesignRow> &rows);

private:
    QTableWidget *m_table;
    QPushButton *m_use;
};

// A button of the window that opens and closes a part, over the free corner
// of the frame `circuit`; its caption's arrow points down while the part is
// closed and up while it is open.
QPushButton *BuildPartToggle(QWidget &window, const QWidget &circuit, const ToggleRow &row);
void RenderPartToggle(QPushButton &toggle, const ToggleRow &row, bool open);

} // namespace view
