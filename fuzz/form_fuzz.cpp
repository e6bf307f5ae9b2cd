// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target for the window: a byte stream becomes a locale and a sequence
// of user actions; after each one, no error may escape, the inputs must be
// valid, the results must agree with the series formulas, a value entered as
// users write it must mean what was meant, and undo and redo must bring back
// each field's text and unit of the step before or after.
#include "form_actions.h"
#include "form_checks.h"
#include "form_history.h"
#include "form_intent.h"
#include "fuzz_failure.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <exception>

namespace {

// The user's actions performed in this process, reported when it ends: a
// run is measured in actions, each input holding up to 48 of them.
struct ActionCount {
    unsigned long long actions = 0;
    ~ActionCount() { std::fprintf(stderr, "form actions performed: %llu\n", actions); }
};

ActionCount actionCount;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const fuzz::Script script = fuzz::DecodeScript(data, size);
    window::frmTolvarine form(script.format);
    try {
        form.Start({});
    } catch (const std::exception &error) {
        fuzz::Fail(std::string("start-up raised: ") + error.what());
    }
    fuzz::HistoryOracle history(fuzz::Snapshot(form));
    for (const fuzz::Action &action : script.actions) {
        ++actionCount.actions;
        const fuzz::FormSnapshot before = fuzz::Snapshot(form);
        const std::string unitBefore = fuzz::UnitText(form, action.target);
        try {
            const bool step =
                action.kind == fuzz::ActionKind::Undo || action.kind == fuzz::ActionKind::Redo;
            fuzz::Perform(form, action, [&] {
                if (!step)
                    history.Record(fuzz::Snapshot(form));
            });
        } catch (const std::exception &error) {
            fuzz::Fail(fuzz::Describe(action) + " raised: " + error.what());
        } catch (...) {
            fuzz::Fail(fuzz::Describe(action) + " raised an unknown error");
        }
        const auto fail = [&action](const std::string &problem) {
            if (!problem.empty())
                fuzz::Fail("after " + fuzz::Describe(action) + ": " + problem);
        };
        const fuzz::FormSnapshot after = fuzz::Snapshot(form);
        const bool step =
            action.kind == fuzz::ActionKind::Undo || action.kind == fuzz::ActionKind::Redo;
        fail(fuzz::CheckInputs(after, before, step));
        fail(fuzz::CheckResults(after, before));
        if (action.kind == fuzz::ActionKind::Enter)
            fail(fuzz::CheckIntent(form, action.intent, unitBefore));
        if (action.kind == fuzz::ActionKind::Undo || action.kind == fuzz::ActionKind::Redo)
            fail(history.CheckStep(action, before, after));
        if (form.EndRequested())
            break; // Esc ends the program
    }
    return 0;
}
