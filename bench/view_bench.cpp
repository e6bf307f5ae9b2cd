// SPDX-License-Identifier: GPL-3.0-or-later
// One keystroke through the Qt window on the offscreen platform: the key
// event goes through the key preview to the field, the model validates and
// recalculates, and the window updates the widgets' texts; then, painted,
// the same with the repaint that follows. The label gives the renders of the
// window per keystroke, where the window counts them. And the first opening
// of the rating check's panel, which builds it, painted: within a frame.
#include "layout_values.h"
#include "locale_formats.h"
#include "tolvarine_window.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <benchmark/benchmark.h>

#include <memory>
#include <optional>
#include <string>

namespace {

using window::Control;
using window::ControlId;

QLineEdit &FieldOf(view::TolvarineWindow &window, ControlId id) {
    return *static_cast<QLineEdit *>(window.WidgetOf(id));
}

// The window's renders so far, where the window counts them (an earlier
// tree's window may not).
template<typename Window> std::optional<double> Renders(const Window &window) {
    if constexpr (requires { window.RenderCount(); })
        return static_cast<double>(window.RenderCount());
    return std::nullopt;
}

// Selects the whole field and types `text` over it, as a user would.
void TypeInto(view::TolvarineWindow &window, ControlId id, const QString &text) {
    QLineEdit &edit = FieldOf(window, id);
    edit.setFocus(Qt::OtherFocusReason);
    QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(&edit, text);
}

std::unique_ptr<view::TolvarineWindow> StartedWindow() {
    auto window = std::make_unique<view::TolvarineWindow>(test_support::EnglishFormat());
    window->Start();
    QApplication::setActiveWindow(window.get());
    if (!QTest::qWaitForWindowExposed(window.get()))
        return nullptr;
    TypeInto(*window, {Control::txtCs, 0}, "10");
    TypeInto(*window, {Control::txtCs, 1}, "22");
    TypeInto(*window, {Control::txtCs, 2}, "470");
    TypeInto(*window, {Control::txtCs, 3}, "3300");
    TypeInto(*window, {Control::txtUst, 0}, "230");
    FieldOf(*window, {Control::txtCs, 0}).setFocus(Qt::OtherFocusReason);
    FieldOf(*window, {Control::txtCs, 0}).end(false);
    return window;
}

// One keystroke per iteration: "5" typed after "10", then Backspace, in
// turn. With `paint`, the window then paints what the keystroke changed, as
// the event loop does before the next event: the repaint of the whole window
// that an expose asks for is not part of a keystroke.
void Keystrokes(benchmark::State &state, bool paint) {
    auto window = StartedWindow();
    if (!window) {
        state.SkipWithError("the window was not shown");
        return;
    }
    QLineEdit &edit = FieldOf(*window, {Control::txtCs, 0});
    QLineEdit &voltage = FieldOf(*window, {Control::txtUs, 0});
    const QString voltageBefore = voltage.text();
    bool typed = false;
    bool followed = true;
    const std::optional<double> rendersBefore = Renders(*window);
    for (auto _ : state) {
        QTest::keyClick(&edit, typed ? Qt::Key_Backspace : Qt::Key_5);
        if (paint)
            QCoreApplication::sendPostedEvents(window.get(), QEvent::UpdateRequest);
        typed = !typed;
        followed = followed && edit.text() == (typed ? "105" : "10") &&
                   (voltage.text() == voltageBefore) != typed;
    }
    if (!followed)
        state.SkipWithError("the widgets did not follow the keystrokes");
    if (const std::optional<double> renders = Renders(*window); renders && rendersBefore)
        state.SetLabel("renders=" + std::to_string((*renders - *rendersBefore) /
                                                   static_cast<double>(state.iterations())));
}

void BM_KeystrokeQtWindow(benchmark::State &state) {
    Keystrokes(state, false);
}
BENCHMARK(BM_KeystrokeQtWindow)->Unit(benchmark::kMicrosecond);

void BM_KeystrokeQtWindowPainted(benchmark::State &state) {
    Keystrokes(state, true);
}
BENCHMARK(BM_KeystrokeQtWindowPainted)->Unit(benchmark::kMicrosecond);

// A new window each iteration, outside the timing; the click on
// "Verificare" that builds and shows the panel, and its paint, inside.
void BM_RatingPanelFirstOpening(benchmark::State &state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto window = StartedWindow();
        auto *toggle =
            window ? window->findChild<QPushButton *>(QStringLiteral("cmdVerificare")) : nullptr;
        if (!toggle) {
            state.SkipWithError("no window or no Verificare button");
            return;
        }
        QCoreApplication::sendPostedEvents(window.get(), QEvent::UpdateRequest);
        state.ResumeTiming();
        toggle->click();
        window->repaint();
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RatingPanelFirstOpening)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setFont(view::ProgramFont()); // as the program's start-up does
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
