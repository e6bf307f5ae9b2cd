// SPDX-License-Identifier: GPL-3.0-or-later
#include "lazy_panel.h"

namespace view {

void LazyPanel::SetOpen(bool open) {
    if (open && !m_widget)
        m_widget = m_build();
    if (m_widget)
        m_widget->setVisible(open);
}

} // namespace view
