// SPDX-License-Identifier: GPL-3.0-or-later
#include "error_message.h"

namespace window {

std::string ErrorMessage(runtime::ErrorKind kind) {
    switch (kind) {
    case runtime::ErrorKind::Overflow:
        return "Valoare prea mare: rezultatul depășește domeniul numeric. "
               "Micșorați valoarea sau alegeți altă unitate.";
    case runtime::ErrorKind::DivisionByZero:
        return "Împărțire la zero: verificați valorile introduse.";
    case runtime::ErrorKind::InvalidOperation:
        return "Operație nedefinită: verificați valorile introduse.";
    case runtime::ErrorKind::UnreadableText:
        return "Valoare ilizibilă: introduceți un număr.";
    }
    return "Eroare de calcul: verificați valorile introduse.";
}

std::string UnexpectedErrorMessage() {
    return "Eroare neprevăzută: rezultatele nu au putut fi calculate. "
           "Verificați valorile introduse.";
}

std::string InputName(ControlId field) {
    const std::string capacitor = CapacitorName(field.index);
    switch (field.control) {
    case Control::txtUst:
        return "tensiunea aplicată";
    case Control::txtUn:
        return "tensiunea nominală a lui " + capacitor;
    case Control::txtTol:
        return "toleranță";
    case Control::txtFrec:
        return "frecvență";
    case Control::txtCd:
        return "capacitatea dorită";
    case Control::txtCmin:
        return "valoarea minimă a pieselor";
    case Control::txtCmax:
        return "valoarea maximă a pieselor";
    default:
        return capacitor;
    }
}

std::string TypedTooLongMessage(ControlId field, std::size_t limit) {
    return "Caracterul tastat nu a fost adăugat: " + InputName(field) + " are cel mult " +
           std::to_string(limit) + " caractere.";
}

std::string FieldErrorMessage(runtime::ErrorKind kind, ControlId field) {
    return ErrorMessage(kind) + " Câmpul: " + InputName(field) + ".";
}

std::string PasteTooLongMessage(ControlId field, std::size_t limit) {
    return "Textul lipit este prea lung pentru " + InputName(field) + " (cel mult " +
           std::to_string(limit) + " caractere).";
}

} // namespace window
