// SPDX-License-Identifier: GPL-3.0-or-later
#include "frm_tolvarine.h"

#include "delivery_observer.h"
#include "design_values.h"
#include "error_message.h"
#include "runtime_error.h"
#include "scoped_value.h"
#include "units.h"

#include <stdexcept>
#include <utility>

namespace window {

// The design values: what every control holds when the window has just been
// created, before the load notification.
frmTolvarine::frmTolvarine(runtime::NumberFormat format, DeliveryObserver *observer)
    : txtCs{TextField(*this, {Control::txtCs, 0}, "0", FieldKind::Editable, kInputLimit),
            TextField(*this, {Control::txtCs, 1}, "0", FieldKind::Editable, kInputLimit),
            TextField(*this, {Control::txtCs, 2}, "0", FieldKind::Editable, kInputLimit),
            TextField(*this, {Control::txtCs, 3}, "0", FieldKind::Editable, kInputLimit)}
    , cboCs{PickList(*this, {Control::cboCs, 0}, CapacitanceUnitEntries()),
            PickList(*this, {Control::cboCs, 1}, CapacitanceUnitEntries()),
            PickList(*this, {Control::cboCs, 2}, CapacitanceUnitEntries()),
            PickList(*this, {Control::cboCs, 3}, CapacitanceUnitEntries())}
    , txtUst(*this, {Control::txtUst, 0}, "0", FieldKind::Editable, kInputLimit)
    , cboUst(*this, {Control::cboUst, 0}, VoltageUnitEntries())
    , txtCst(*this, {Control::txtCst, 0}, "", FieldKind::ReadOnly)
    , lblUMs(std::string(calc::kPicofarad))
    , lblEticheteS("Capacitate echivalentă:", "Tensiunea aplicată (~):")
    , txtUs{TextField(*this, {Control::txtUs, 0}, "0", FieldKind::ReadOnly),
            TextField(*this, {Control::txtUs, 1}, "0", FieldKind::ReadOnly),
            TextField(*this, {Control::txtUs, 2}, "0", FieldKind::ReadOnly),
            TextField(*this, {Control::txtUs, 3}, "0", FieldKind::ReadOnly)}
    , txtUMUs{TextField(*this, {Control::txtUMUs, 0}, "", FieldKind::ReadOnly),
              TextField(*this, {Control::txtUMUs, 1}, "", FieldKind::ReadOnly),
              TextField(*this, {Control::txtUMUs, 2}, "", FieldKind::ReadOnly),
              TextField(*this, {Control::txtUMUs, 3}, "", FieldKind::ReadOnly)}
    , cmdClear("Sterge valori")
    , cmdVerificare("Verificare")
    , lblEroare("")
    , m_rating(*this)
    , cmdProiectare("Proiectare")
    , m_design(*this)
    , m_format(std::move(format))
    , m_observer(observer) {
    lblEroare.SetShown(false);
}

void frmTolvarine::Start(const std::function<void()> &show) {
    Deliver({Control::frmTolvarine, 0}, Notification::Load);
    StartHistories();
    if (show)
        show();
}

void frmTolvarine::Raise(ControlId id, Notification notification) {
    Deliver(id, notification);
}

// Every handler runs here, and here every error that ends one is reported,
// so that none ends a run silently. An error ends the run in which it arose
// and no more: a nested run ends, and the run around it goes on after the
// assignment that raised it. The window then shows no result, only the cause
// in the message band, with the inputs that caused it marked.
void frmTolvarine::Deliver(ControlId id, Notification notification, std::int16_t *keyAscii) {
    const ScopedValue depth(m_depth, m_depth + 1);
    if (m_observer)
        m_observer->Delivered(*this, id, notification, m_depth);
    const bool input = IsValueField(id);
    Dispatch(input ? std::optional(id) : std::nullopt, Failing::Computation,
             [&] { RunHandler(id, notification, keyAscii); });
}

bool frmTolvarine::Dispatch(std::optional<ControlId> field, Failing failing,
                            const std::function<void()> &work) noexcept {
    try {
        try {
            work();
            return true;
        } catch (const calc::CalculationError &error) {
            const ErrorCause cause = CauseOf(error);
            if (failing == Failing::Edit)
                ShowNotice(cause.message);
            else
                ReportError(cause);
        } catch (const ReportedFailure &failure) {
            if (failing == Failing::Edit)
                ShowNotice(failure.Cause().message);
            else
                ReportError(failure.Cause());
        } catch (const runtime::RuntimeError &error) {
            const std::string message =
                field ? FieldErrorMessage(error.kind(), *field) : ErrorMessage(error.kind());
            if (failing == Failing::Edit)
                ShowNotice(message);
            else
                ReportError({message, field ? std::vector{*field} : std::vector<ControlId>{}});
        } catch (...) {
            if (failing == Failing::Edit)
                ShowNotice(UnexpectedErrorMessage());
            else
                ReportError({UnexpectedErrorMessage(), {}});
        }
    } catch (...) {
        // Reporting failed too (no memory for the message): the action ends
        // with the window as it was.
    }
    m_entry.reset();
    return false;
}

void frmTolvarine::RunHandler(ControlId id, Notification notification, std::int16_t *keyAscii) {
    const auto index = static_cast<std::int16_t>(id.index);
    switch (id.control) {
    case Control::frmTolvarine:
        if (notification == Notification::Load)
            Form_Load();
        else if (notification == Notification::KeyPress && keyAscii)
            Form_KeyPress(*keyAscii);
        break;
    case Control::cmdClear:
        if (notification == Notification::Click)
            cmdClear_Click();
        break;
    case Control::cmdVerificare:
        if (notification == Notification::Click)
            cmdVerificare_Click();
        break;
    case Control::txtCs:
        if (notification == Notification::Change)
            txtCs_Change(index);
        break;
    case Control::txtUst:
        if (notification == Notification::Change)
            txtUst_Change();
        break;
    case Control::cboCs:
        if (notification == Notification::Click)
            cboCs_Click(index);
        else if (notification == Notification::Change)
            cboCs_Change(index);
        break;
    case Control::cboUst:
        if (notification == Notification::Click)
            cboUst_Click();
        else if (notification == Notification::Change)
            cboUst_Change();
        break;
    case Control::txtUn:
        if (notification == Notification::Change)
            txtUn_Change(index);
        break;
    case Control::cboUn:
        if (notification == Notification::Click)
            cboUn_Click(index);
        break;
    case Control::txtTol:
        if (notification == Notification::Change)
            txtTol_Change();
        break;
    case Control::txtFrec:
        if (notification == Notification::Change)
            txtFrec_Change();
        break;
    case Control::cboTipUn:
        if (notification == Notification::Click)
            cboTipUn_Click(index);
        break;
    case Control::cmdProiectare:
        if (notification == Notification::Click)
            cmdProiectare_Click();
        break;
    case Control::txtCd:
    case Control::txtCmin:
    case Control::txtCmax:
        if (notification == Notification::Change)
            txtDesign_Change(id);
        break;
    case Control::cboCd:
    case Control::cboNrC:
    case Control::cboSerie:
    case Control::cboCmin:
    case Control::cboCmax:
    case Control::cboTipD:
        if (notification == Notification::Click)
            cboDesign_Click();
        break;
    default: // result fields and labels have no handlers
        break;
    }
}

// A unit chosen in a field's own list is a step of that field's history.
void frmTolvarine::UserChoose(ControlId id, int entry) {
    Dispatch(std::nullopt, Failing::Computation, [&] {
        EndNotice();
        m_entry.reset();
        MutableList(id).Choose(entry);
        RecordHistories(std::nullopt, 0);
    });
}

void frmTolvarine::UserClick(ControlId id) {
    Dispatch(std::nullopt, Failing::Computation, [&] {
        EndNotice();
        m_entry.reset();
        if (id.control == Control::cmdClear || id.control == Control::cmdVerificare ||
            id.control == Control::cmdProiectare)
            Deliver(id, Notification::Click);
        RefreshNote(std::nullopt);
        RecordHistories(std::nullopt, 0);
    });
}

bool frmTolvarine::UserKeyPress(std::int16_t keyAscii) {
    Dispatch(std::nullopt, Failing::Computation, [&] {
        Deliver({Control::frmTolvarine, 0}, Notification::KeyPress, &keyAscii);
    });
    return !m_endRequested && keyAscii != 0;
}

void frmTolvarine::UserShowPanel(bool open) {
    Dispatch(std::nullopt, Failing::Computation, [&] {
        m_entry.reset();
        if (open != m_rating.Open())
            UserClick({Control::cmdVerificare, 0});
    });
}

const TextField &frmTolvarine::Field(ControlId id) const {
    return const_cast<frmTolvarine *>(this)->MutableField(id);
}

TextField &frmTolvarine::MutableField(ControlId id) {
    const auto k = static_cast<std::size_t>(id.index);
    switch (id.control) {
    case Control::txtCs:
        return txtCs.at(k);
    case Control::txtUst:
        return txtUst;
    case Control::txtCst:
        return txtCst;
    case Control::txtUs:
        return txtUs.at(k);
    case Control::txtUMUs:
        return txtUMUs.at(k);
    default:
        if (TextField *field = m_rating.MutableField(id))
            return *field;
        if (TextField *field = m_design.MutableField(id))
            return *field;
        throw std::invalid_argument("not a text field");
    }
}

const Button &frmTolvarine::ButtonOf(ControlId id) const {
    if (id.control == Control::cmdClear)
        return cmdClear;
    if (id.control == Control::cmdVerificare)
        return cmdVerificare;
    if (id.control == Control::cmdProiectare)
        return cmdProiectare;
    throw std::invalid_argument("not a button");
}

const PickList &frmTolvarine::List(ControlId id) const {
    if (id.control == Control::cboUst)
        return cboUst;
    if (id.control == Control::cboCs)
        return cboCs.at(static_cast<std::size_t>(id.index));
    if (const PickList *list = m_rating.List(id))
        return *list;
    if (const PickList *list = m_design.List(id))
        return *list;
    throw std::invalid_argument("not a list");
}

PickList &frmTolvarine::MutableList(ControlId id) {
    return const_cast<PickList &>(std::as_const(*this).List(id));
}

const Label &frmTolvarine::LabelOf(ControlId id) const {
    switch (id.control) {
    case Control::lblUMs:
        return lblUMs;
    case Control::lblEticheteS:
        return lblEticheteS[id.index];
    case Control::lblEroare:
        return lblEroare;
    default:
        if (const Label *label = m_rating.LabelOf(id))
            return *label;
        if (const Label *label = m_design.LabelOf(id))
            return *label;
        throw std::invalid_argument("not a label");
    }
}

} // namespace window
