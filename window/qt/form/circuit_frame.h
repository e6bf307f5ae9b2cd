// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>

namespace view {

// The frame fraSerie: holds every control and paints the series circuit (the
// wire, the plates, the dots and the measuring lines) from the layout table.
class CircuitFrame final : public QFrame {
    Q_OBJECT

public:
    explicit CircuitFrame(QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace view
