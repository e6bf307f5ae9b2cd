// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target for the window: a byte stream becomes a locale and a sequence
// of user actions; after each one, no error may escape, the inputs must be
// valid and the results must agree with the series formulas.
#include "form_actions.h"
#include "form_checks.h"
#include "fuzz_failure.h"

#include <cstddef>
#include <cstdint>
#include <exception>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const fuzz::Script script = fuzz::DecodeScript(data, size);
    window::frmTolvarine form(script.format);
    try {
        form.Start({});
    } catch (const std::exception &error) {
        fuzz::Fail(std::string("start-up raised: ") + error.what());
    }
    for (const fuzz::Action &action : script.actions) {
        const fuzz::FormSnapshot before = fuzz::Snapshot(form);
        try {
            fuzz::Perform(form, action);
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
        fail(fuzz::CheckInputs(after, before));
        fail(fuzz::CheckResults(after, before));
        if (form.EndRequested())
            break; // Esc ends the program
    }
    return 0;
}
