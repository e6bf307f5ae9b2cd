// SPDX-License-Identifier: GPL-3.0-or-later
#include "frm_tolvarine.h"

#include "delivery_observer.h"
#include "error_message.h"
#include "runtime_error.h"
#include "units.h"
#include "user_edit.h"

#include <stdexcept>
#include <utility>

namespace window {
namespace {

constexpr std::size_t kInputLimit = 6;

std::vector<std::string> CapacitanceUnits() {
    return {calc::kCapacitanceUnits.begin(), calc::kCapacitanceUnits.end()};
}
// The applied voltage is entered in uV to kV.
std::vector<std::string> VoltageUnits() {
    return {calc::kVoltageUnits.begin(),
            calc::kVoltageUnits.begin() + calc::kAppliedVoltageUnitCount};
}

// Keeps the nesting depth right whichever way a handler leaves.
class DepthGuard {
public:
    explicit DepthGuard(int &depth)
        : m_depth(depth) {
        ++m_depth;
    }
    ~DepthGuard() { --m_depth; }
    DepthGuard(const DepthGuard &) = delete;
    DepthGuard &operator=(const DepthGuard &) = delete;

private:
    int &m_depth;
};

} // namespace

// The design values: what every control holds when the window has just been
// created, before the load notification.
frmTolvarine::frmTolvarine(runtime::NumberFormat format, DeliveryObserver *observer)
    : txtCs{TextField(*this, {Control::txtCs, 0}, "0", FieldKind::Editable, kInputLimit),
            TextField(*this, {Control::txtCs, 1}, "0", FieldKind::Editable, kInputLimit),
            TextField(*this, {Control::txtCs, 2}, "0", FieldKind::Editable, kInputLimit),
            TextField(*this, {Control::txtCs, 3}, "0", FieldKind::Editable, kInputLimit)}
    , cboCs{PickList(*this, {Control::cboCs, 0}, CapacitanceUnits()),
            PickList(*this, {Control::cboCs, 1}, CapacitanceUnits()),
            PickList(*this, {Control::cboCs, 2}, CapacitanceUnits()),
            PickList(*this, {Control::cboCs, 3}, CapacitanceUnits())}
    , txtUst(*this, {Control::txtUst, 0}, "0", FieldKind::Editable, kInputLimit)
    , cboUst(*this, {Control::cboUst, 0}, VoltageUnits())
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
    , lblEroare("")
    , m_rating(*this)
    , m_format(std::move(format))
    , m_observer(observer) {
    lblEroare.SetShown(false);
}

void frmTolvarine::Start(const std::function<void()> &show) {
    Deliver({Control::frmTolvarine, 0}, Notification::Load);
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
    const DepthGuard guard(m_depth);
    if (m_observer)
        m_observer->Delivered(*this, id, notification, m_depth);
    try {
        RunHandler(id, notification, keyAscii);
    } catch (const runtime::RuntimeError &error) {
        ReportError(TraceError(Inputs(), error.kind()));
    } catch (...) {
        ReportError({UnexpectedErrorMessage(), {}});
    }
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
    default: // result fields and labels have no handlers
        break;
    }
}

frmTolvarine::EditOutcome frmTolvarine::UserEdit(ControlId id, std::string_view proposed,
                                                 std::size_t caret) {
    EndNotice();
    TextField &field = MutableField(id);
    if (field.ReadOnly() || !field.Shown())
        return {false, caret};
    const Notation notation = ApplyNotation(id, proposed, caret);
    EditedText edited = ApplyUserEdit(field.Text(), notation.text, notation.caret, field.Limit());
    if (edited.pasteRefused) {
        ShowNotice(PasteTooLongMessage(id, field.Limit().value_or(0)));
        return {false, edited.caret, true, edited.selected};
    }
    ChooseUnit(notation);
    if (!edited.changed)
        return {false, edited.caret};
    return SetUserText(field, std::move(edited.text), edited.caret);
}

frmTolvarine::EditOutcome frmTolvarine::UserRestore(ControlId id, std::string_view text,
                                                    std::size_t caret) {
    EndNotice();
    TextField &field = MutableField(id);
    if (field.ReadOnly() || !field.Shown() || field.Text() == text)
        return {false, caret};
    return SetUserText(field, std::string(text), caret);
}

// Where the handler replaced the text, the caret goes to its end.
frmTolvarine::EditOutcome frmTolvarine::SetUserText(TextField &field, std::string text,
                                                    std::size_t caret) {
    const std::string typed = text;
    field.SetText(std::move(text));
    return {true, field.Text() == typed ? caret : CharacterCount(field.Text())};
}

void frmTolvarine::UserChoose(ControlId id, int entry) {
    EndNotice();
    m_decimalsFollow.reset();
    MutableList(id).Choose(entry);
}

void frmTolvarine::UserClick(ControlId id) {
    EndNotice();
    m_decimalsFollow.reset();
    if (id.control == Control::cmdClear)
        Deliver(id, Notification::Click);
}

bool frmTolvarine::UserKeyPress(std::int16_t keyAscii) {
    Deliver({Control::frmTolvarine, 0}, Notification::KeyPress, &keyAscii);
    return !m_endRequested && keyAscii != 0;
}

void frmTolvarine::UserShowPanel(bool open) {
    if (open != m_rating.Open())
        m_rating.SetOpen(open, m_format);
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
        throw std::invalid_argument("not a text field");
    }
}

const Button &frmTolvarine::ButtonOf(ControlId id) const {
    if (id.control == Control::cmdClear)
        return cmdClear;
    throw std::invalid_argument("not a button");
}

const PickList &frmTolvarine::List(ControlId id) const {
    if (id.control == Control::cboUst)
        return cboUst;
    if (id.control == Control::cboCs)
        return cboCs.at(static_cast<std::size_t>(id.index));
    if (const PickList *list = m_rating.List(id))
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
        throw std::invalid_argument("not a label");
    }
}

} // namespace window
