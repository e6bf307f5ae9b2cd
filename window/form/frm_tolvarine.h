// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "control_id.h"
#include "controls.h"
#include "conversions.h"
#include "design_model.h"
#include "error_cause.h"
#include "field_history.h"
#include "number_format.h"
#include "rating_model.h"
#include "unit_notation.h"
#include "user_edit.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace window {

class DeliveryObserver;

// The single window of the program: its controls hold the whole state, its
// handlers answer the notifications, and three private procedures compute the
// results. Toolkit-neutral: a view mirrors the controls and hands the user's
// actions to the User* entry points.
//
// Every User* entry point returns normally, whatever the input: its work runs
// in the one dispatcher (Dispatch), and every failure of a reading, a scaling,
// a computation or a rewrite ends there and nowhere else. A failure of a
// handler shows in the message band with the fields it names marked; a
// failure of an edit before it reached its field refuses the edit, with the
// reason, naming the field, as a notice. Nothing else catches.
class frmTolvarine final : private NotificationSink {
public:
    // `observer`, where given, sees every delivery and recalculation.
    explicit frmTolvarine(runtime::NumberFormat format, DeliveryObserver *observer = nullptr);
    frmTolvarine(const frmTolvarine &) = delete;
    frmTolvarine &operator=(const frmTolvarine &) = delete;

    // Start-up: raises the load notification on the design values, then shows
    // the window through `show`.
    void Start(const std::function<void()> &show);

    // The user's actions, delivered one at a time.
    // An edit of a text field as the text widget made it (see TextEdit).
    // Blanks around a paste go, unit letters are read, the limit of the
    // field is applied, and a paste that the field cannot take whole is
    // refused whole with the reason in the message band until the user's
    // next action. Returns whether the edit changed the field or its unit,
    // and where the caret goes in the text the field holds afterwards (at its
    // end where a handler replaced the text); a refused paste keeps the
    // selection it was pasted over, `selected` characters from `caret`.
    struct EditOutcome {
        bool accepted = false;
        std::size_t caret = 0;
        bool pasteRefused = false;
        std::size_t selected = 0;
    };
    EditOutcome UserEdit(ControlId field, const TextEdit &edit);
    // Undo and redo of a value field: its text and its unit of the step
    // before or after come back together.
    EditOutcome UserUndo(ControlId field);
    EditOutcome UserRedo(ControlId field);
    bool CanUndo(ControlId field) const;
    bool CanRedo(ControlId field) const;
    void UserChoose(ControlId list, int entry);
    void UserClick(ControlId button);
    // A typed character, previewed by the window. Returns true when the key
    // goes on to the control that has the focus.
    bool UserKeyPress(std::int16_t keyAscii);
    // Opens or closes the rating check's panel, as a click on cmdVerificare
    // does; it opens showing the check of the current input.
    void UserShowPanel(bool open);
    bool PanelOpen() const { return m_rating.Open(); }
    // Opens or closes the design part, as a click on cmdProiectare does.
    void UserShowDesign(bool open);
    bool DesignOpen() const { return m_design.Open(); }
    // Writes the parts of a row of the design part into C1 to C4 (the rest
    // "0"), each a step of its field's history, and with the rating check
    // open their ratings and kind into its fields.
    void UserApplyDesign(std::size_t row);

    // What the message band shows: a failed computation or a notice about
    // the user's last action in lblEroare, or else, in its place, a neutral
    // note about how a field was read.
    enum class BandKind { None, Failure, Notice, Note };
    BandKind Band() const;
    // The field that the note is about, while there is one.
    std::optional<ControlId> NoteField() const { return m_noteField; }
    const std::string &Note() const { return m_note; }
    // Whether the failure in the band is the design part's, which leaves the
    // window's results and the rating check's standing.
    bool DesignFailed() const { return m_designFailed; }

    // Set once Esc has asked the program to end; the program's shell ends it.
    bool EndRequested() const { return m_endRequested; }

    // Read access for views and tests.
    const TextField &Field(ControlId id) const;
    const PickList &List(ControlId id) const;
    const Label &LabelOf(ControlId id) const;
    const Button &ButtonOf(ControlId id) const;
    const runtime::NumberFormat &Format() const { return m_format; }
    // The rating check's model, with its results' states.
    const RatingModel &Rating() const { return m_rating; }
    // The design part's model, with its rows.
    const DesignModel &Design() const { return m_design; }

private:
    // Controls, named as the window names them.
    std::array<TextField, 4> txtCs;
    std::array<PickList, 4> cboCs;
    TextField txtUst;
    PickList cboUst;
    TextField txtCst;
    Label lblUMs;
    CaptionLabels lblEticheteS;
    std::array<TextField, 4> txtUs;
    std::array<TextField, 4> txtUMUs;
    Button cmdClear;
    Button cmdVerificare;
    Label lblEroare;
    // The rating check's inputs and results.
    RatingModel m_rating;
    // The design part's inputs and rows.
    Button cmdProiectare;
    DesignModel m_design;

    void Raise(ControlId id, Notification notification) override;
    // The one dispatcher: runs `work`, and reports the failure that ends it,
    // as a failure of the computation or as the refusal of the user's edit;
    // `field` is where the work began, where it is a field. Returns whether
    // the work completed.
    enum class Failing { Computation, Edit };
    bool Dispatch(std::optional<ControlId> field, Failing failing,
                  const std::function<void()> &work) noexcept;
    void Deliver(ControlId id, Notification notification, std::int16_t *keyAscii = nullptr);
    void RunHandler(ControlId id, Notification notification, std::int16_t *keyAscii);

    // The message band: the failure of the last computation, or until the
    // user's next action a notice over it.
    void ReportError(const ErrorCause &cause);
    void SetMarks(const std::vector<ControlId> &fields);
    void ShowNotice(std::string notice);
    void EndNotice();
    void RenderBand();

    // Handlers.
    void Form_Load();
    void Form_KeyPress(std::int16_t &KeyAscii);
    void cmdClear_Click();
    void cmdVerificare_Click();
    void txtCs_Change(std::int16_t Index);
    void txtUst_Change();
    void cboCs_Click(std::int16_t Index);
    void cboCs_Change(std::int16_t Index);
    void cboUst_Click();
    void cboUst_Change();
    void ValidateInput(TextField &field);
    void ResetValues();
    // The rating check's inputs (rating_handlers.cpp).
    void txtUn_Change(std::int16_t Index);
    void cboUn_Click(std::int16_t Index);
    void txtTol_Change();
    void txtFrec_Change();
    void cboTipUn_Click(std::int16_t Index);
    // The design part's inputs (design_handlers.cpp).
    void cmdProiectare_Click();
    void txtDesign_Change(ControlId id);
    void cboDesign_Click();
    void UpdateDesign();
    void WriteRatings(const DesignRow &row);
    // The user's edits (user_entry.cpp).
    bool KeepsTypedBlank(std::string_view current, const TextEdit &edit) const;
    std::string PasteRefusal(ControlId field, const TextEdit &edit, const std::string &text) const;
    void ChooseUnit(ControlId field, const std::string &unit);
    std::optional<EditOutcome> TypedMark(ControlId field, std::string_view current,
                                         const TextEdit &edit, const NotationState &state,
                                         char mark);
    EditOutcome StepHistory(ControlId field, bool back);
    FieldStep StepOf(ControlId field, std::size_t caret) const;
    void StartHistories();
    void RecordHistories(std::optional<ControlId> edited, std::size_t caret);
    void RefreshNote(std::optional<ControlId> edited);

    // Private procedures of the calculation; the arithmetic is calc's.
    void Recalculate();
    void ComputeResults();
    void ClearResults();
    void ScaleCapacitance(runtime::WrittenNumber picofarads);
    void ScaleVoltages();
    void ScaleVoltages(const std::array<double, 4> &volts);

    TextField &MutableField(ControlId id);
    PickList &MutableList(ControlId id);

    runtime::NumberFormat m_format;
    DeliveryObserver *m_observer = nullptr;
    int m_depth = 0;
    // What the keys typed into one field leave for the next key; `refused`
    // once the field's limit refused a key, so that the keys typed on after
    // it are refused too.
    struct Entry {
        ControlId field;
        NotationState state;
        // A mark begun before or after the value: the "A" or "D" of a
        // rating's "AC" or "DC", the "+" or "+/" of a tolerance's "+/-".
        char mark = 0;
        // The key before was refused by the limit: the keys typed on go too.
        bool refused = false;
    };
    std::optional<Entry> m_entry;
    EditOutcome Edit(ControlId field, const TextEdit &userEdit, const std::optional<Entry> &entry);
    std::string ScaledText(ControlId field, const std::string &text, double factor) const;
    std::map<ControlId, FieldHistory> m_histories;
    std::optional<ControlId> m_noteField;
    std::string m_note;
    bool m_endRequested = false;
    std::string m_failure; // the message of the last failed computation
    bool m_designFailed = false;
    std::string m_notice;
};

} // namespace window
