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

} // namespace window
