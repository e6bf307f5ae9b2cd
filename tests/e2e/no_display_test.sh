#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Without a display the program says so in its own first line on stderr and
# ends with a non-zero exit code: no Qt abort, no core dump. --help and
# --version need no display; an unknown argument gives the usage line.
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
    elif ! head -n 1 <<<"$output" | grep -q '^Tolvarine needs a graphical display'; then
        echo "FAIL ($what): no clear message; the output was:"
        echo "$output"
        failed=1
    else
        echo "PASS ($what): exit code $status"
    fi
}

answers() { # <option> <start of the first line> [a line that follows]
    local output status
    output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 20 "$program" "$1" 2>&1)
    status=$?
    if [ "$status" -eq 0 ] && head -n 1 <<<"$output" | grep -q "^$2" &&
        { [ -z "${3:-}" ] || tail -n +2 <<<"$output" | grep -q "$3"; }; then
        echo "PASS ($1): exit code 0, '$(head -n 1 <<<"$output")'"
    else
        echo "FAIL ($1): exit code $status; the output was:"
        echo "$output"
        failed=1
    fi
}

answers --version 'Tolvarine 1\.00$' '^License GPL-3\.0-or-later: '
answers --help 'Usage: Tolvarine'
# An argument that neither the program nor Qt takes: the usage line on
# stderr and exit code 2, once Qt has taken its own options.
output=$(QT_QPA_PLATFORM=offscreen timeout 20 "$program" -style fusion --bogus 2>&1 >/dev/null)
status=$?
if [ "$status" -eq 2 ] && grep -q "^Usage: Tolvarine" <<<"$output" && grep -q -- "--bogus" <<<"$output"; then
    echo "PASS (--bogus): exit code 2"
else
    echo "FAIL (--bogus): exit code $status; stderr was:"
    echo "$output"
    failed=1
fi
check "no display named"
# A display that is named but cannot be reached.
check "unreachable display" DISPLAY=:4711
exit $failed
