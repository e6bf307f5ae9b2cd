#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Without a display the program says so in one line and ends with a non-zero
# exit code: no Qt abort, no core dump.
# Usage: no_display_test.sh <Tolvarine program>
set -uo pipefail
program=$1
failed=0

check() { # <what> <environment...>
    local what=$1 output status
    shift
    output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" timeout 20 "$program" 2>&1)
    status=$?
    if [ "$status" -eq 0 ] || [ "$status" -ge 124 ]; then
        echo "FAIL ($what): exit code $status"
        failed=1
    elif ! grep -q '^Tolvarine needs a graphical display' <<<"$output"; then
        echo "FAIL ($what): no clear message; the output was:"
        echo "$output"
        failed=1
    else
        echo "PASS ($what): exit code $status"
    fi
}

check "no display named"
# A display that is named but cannot be reached.
check "unreachable display" DISPLAY=:4711
exit $failed
