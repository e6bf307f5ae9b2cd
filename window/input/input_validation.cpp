// SPDX-License-Identifier: GPL-3.0-or-later
// The capacitance fields and the applied-voltage field correct every new text
// in place: a text that is not a number becomes "0", a negative number loses
// its sign, and a text that passes is never rewritten.
#include "frm_tolvarine.h"

#include "conversions.h"
#include "input_reading.h"

namespace window {

void frmTolvarine::txtCs_Change(std::int16_t Index) {
    ValidateInput(txtCs.at(static_cast<std::size_t>(Index)));
}

void frmTolvarine::txtUst_Change() {
    ValidateInput(txtUst);
}

// The replacement always differs from the old text, so it raises the field's
// change notification again; that nested run finds a number not below zero
// and recalculates.
// A whole number whose last group of digits is still being typed passes
// too.
void frmTolvarine::ValidateInput(TextField &field) {
    if (!IsInputNumber(field.Text(), m_format)) {
        field.SetText(runtime::IntToText(0));
        return;
    }
    // Strictly below zero: a negative zero stays as typed.
    if (InputValue(field.Text(), m_format) < 0) {
        const double y = InputValue(field.Text(), m_format);
        field.SetText(runtime::DoubleToText(-y, m_format));
    }
    Recalculate();
}

} // namespace window
