// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// moc need not read the model, and cannot parse the C++20 standard headers
// that it includes.
#ifndef Q_MOC_RUN
#include "frm_tolvarine.h"
#include "layout.h"
#include "number_format.h"
#endif

#include "lazy_panel.h"

#include <QWidget>

#include <cstddef>
#include <cstdint>
#include <map>
#include <set>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace view {

class CircuitFrame;
class DesignPanel;
class EditCapture;
class FieldUndo;
class KeyPreview;

// The Qt window of frmTolvarine. It owns the window model, hands every action
// of the user to the model's entry points and then shows the model's state in
// the widgets again. It computes nothing and writes no field of the model.
class TolvarineWindow final : public QWidget {
    Q_OBJECT

public:
    explicit TolvarineWindow(runtime::NumberFormat format, QWidget *parent = nullptr);
    ~TolvarineWindow() override;
    TolvarineWindow(const TolvarineWindow &) = delete;
    TolvarineWindow &operator=(const TolvarineWindow &) = delete;

    // Runs the model's load, then shows the window with the focus in the
    // first field.
    void Start();

    const window::frmTolvarine &Form() const { return m_form; }
    // The widget that shows a control of the model.
    QWidget *WidgetOf(window::ControlId id) const;
    // How many times the window has shown the model's state: once for each
    // action of the user.
    std::size_t RenderCount() const { return m_renders; }
    // Whether the rating check's panel is open (F2 or its button).
    bool RatingOpen() const { return m_form.PanelOpen(); }
    // Whether the design part is open (F3 or its button).
    bool DesignOpen() const { return m_form.DesignOpen(); }

signals:
    // Esc has ended the program.
    void ended(int exitCode);

private:
    void BuildControls();
    void BuildControl(const ControlRow &row, QWidget &parent);
    void BuildStaticLabels();
    QLineEdit *BuildField(const ControlRow &row, QWidget &parent);
    QComboBox *BuildList(const ControlRow &row, QWidget &parent);
    QLabel *BuildLabel(const ControlRow &row, QWidget &parent);
    QPushButton *BuildButton(const ControlRow &row, QWidget &parent);
    void SetFocusOrder();

    // Every entry point of the user's actions runs its action on the model
    // through Act, which ends in the one render; nothing else renders, so
    // that each action renders once however many parts it builds or moves.
    template<class Action> decltype(auto) Act(Action &&action) {
        const struct Rendering {
            TolvarineWindow &window;
            ~Rendering() { window.Render(); }
        } rendering{*this};
        return action();
    }
    void OnEdited(window::ControlId id, const window::TextEdit &edit);
    void OnStepped(window::ControlId id, bool back);
    void OnChosen(window::ControlId id, int entry);
    void OnClicked(window::ControlId id);
    bool PreviewKey(std::int16_t keyAscii);

    // Shows the model's state; changes only what differs, with the widgets'
    // signals blocked, so that no handler of the model runs again.
    void Render();
    void RenderField(window::ControlId id, const window::TextField &field, QLineEdit &edit);
    void RenderNote(window::ControlId id, QLineEdit &edit);
    void RenderList(const window::PickList &list, QComboBox &combo);
    void RenderLabel(window::ControlId id, const window::Label &label, QLabel &widget);

    // The rating check (rating_view.cpp).
    void BuildRatingCheck();
    QWidget *BuildRatingPanel();
    void ApplyToolTips();
    void SetRatingOpen(bool open);
    void CopyResults() const;
    void RenderRatingCheck();

    // The design part (design_view.cpp).
    void BuildDesign();
    QWidget *BuildDesignPanel();
    void SetDesignOpen(bool open);
    void ApplyDesignRow();
    void ArrangePanels();
    void RenderDesign();

    window::frmTolvarine m_form;
    std::size_t m_renders = 0;
    CircuitFrame *m_frame = nullptr;
    KeyPreview *m_keyPreview = nullptr;
    FieldUndo *m_undo = nullptr;
    EditCapture *m_capture = nullptr;
    std::map<window::ControlId, QLineEdit *> m_fields;
    std::map<window::ControlId, QComboBox *> m_lists;
    std::map<window::ControlId, QLabel *> m_labels;
    std::map<window::ControlId, QRect> m_labelRects; // from the table, in pixels
    // What the widgets show already, so that a render sets only what changed.
    std::set<window::ControlId> m_markedFields;
    std::map<window::ControlId, std::string> m_describedUnits;
    unsigned m_warningsAnnounced = 0; // the rating check's warnings announced so far
    QPushButton *m_clear = nullptr;
    QLabel *m_noteBand = nullptr; // the neutral note, where lblEroare stands
    // The rating check's panel, built when it first opens.
    LazyPanel m_ratingPanel{[this] { return BuildRatingPanel(); }};
    QPushButton *m_toggle = nullptr;
    // The design part's panel, likewise; m_design is its typed view, set by
    // its builder.
    LazyPanel m_designPanel{[this] { return BuildDesignPanel(); }};
    DesignPanel *m_design = nullptr;
    QPushButton *m_designToggle = nullptr;
};

} // namespace view
