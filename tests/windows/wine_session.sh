# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash disable=SC2154,SC2034 # $work comes from xvfb_session.sh; $status is for the test
# Sourced by the Windows tests that show a window under Wine, after
# tests/e2e/xvfb_session.sh. Wine runs every program of a prefix in one
# session, whose desktop is drawn on the display of the program that started
# it: a session left by another test (another display, or none) would take
# this test's windows. So each test waits for the prefix's session to end
# before its first Wine program, and ends its own on exit.
#   start_wine_session     after start_xvfb
#   start_wine_program <program> [arguments]
#   wait_for_window        sets $window, or explains why not and fails
#   explain                what the program and Wine said, on any failure
# Limits are long: a cold Wine on a loaded two-core machine takes tens of
# seconds to show a window; the waits end as soon as their condition holds.

wineserver=$(dirname "$WINE")/wineserver
window_limit=180
wine_log=$work/wine.log
program_out=$work/program.out
: >"$wine_log"
: >"$program_out"

# A session that does not end within the limit is ended, saying what still ran.
end_wine_session() {
    local start=$SECONDS
    timeout "$window_limit" "$wineserver" -w && return 0
    echo "note: the Wine session still ran after $((SECONDS - start)) s; ending it:"
    wine_processes
    "$wineserver" -k || true
}

start_wine_session() {
    end_wine_session
    trap '"$wineserver" -k 2>/dev/null || true; cleanup' EXIT
}

# The program's standard output apart from Wine's messages, which share its
# standard error.
start_wine_program() {
    echo "=== $*" >>"$wine_log"
    "$WINE" "$@" >"$program_out" 2>>"$wine_log" &
    program_pid=$!
}

# Runs a Wine program to its end, with its output in Wine's log.
run_wine() {
    echo "=== $*" >>"$wine_log"
    "$WINE" "$@" >>"$wine_log" 2>&1
}

# Asked again and again: a window that Wine destroys while xdotool walks the
# windows (one of its own at start-up) ends xdotool with BadWindow, which
# says nothing of the program's window.
wait_for_window() {
    local start=$SECONDS
    window=
    while [ -z "$window" ] && ((SECONDS - start < window_limit)); do
        window=$(xdotool search --onlyvisible --name '^ Tolvarine $' 2>/dev/null | head -n 1) ||
            true
        # A program that has ended shows no window any more: no use waiting.
        [ -n "$window" ] || kill -0 "$program_pid" 2>/dev/null || break
        [ -n "$window" ] || sleep 0.2
    done
    [ -n "$window" ] && return 0
    echo "FAIL: no window named ' Tolvarine ' within $((SECONDS - start)) s"
    explain
    return 1
}

# Waits for the program to end, up to a limit; sets $status.
wait_for_end() {
    status=0
    if ! timeout "$window_limit" tail --pid="$program_pid" -f /dev/null; then
        status=timeout
        return 1
    fi
    wait "$program_pid" || status=$?
    program_pid=
}

explain() {
    echo "--- what the program and Wine said"
    if [ -n "$program_pid" ] && kill -0 "$program_pid" 2>/dev/null; then
        echo "the program (process $program_pid) is still running"
    elif [ -n "$program_pid" ]; then
        local code=0
        wait "$program_pid" 2>/dev/null || code=$?
        echo "the program (process $program_pid) has ended with $code"
    fi
    echo "its output:"
    sed 's/^/  /' "$program_out"
    echo "Wine's log, last 40 lines:"
    tail -n 40 "$wine_log" | sed 's/^/  /'
    echo "windows on the display $DISPLAY (visible: $(xdotool search --onlyvisible --name '.*' |
        wc -l)):"
    { xwininfo -root -tree 2>&1 | grep -E '^ +0x' | grep -v '(has no name)' | head -n 30 |
        sed 's/^ */  /'; } || true
    wine_processes
    echo "---"
}

# The display each was started with: the session's desktop (explorer.exe)
# shows the windows of all.
wine_processes() {
    echo "Wine's processes in $WINEPREFIX (seconds running, display, command):"
    local pid environment
    for pid in $(pgrep -f '[.]exe|wineserver'); do
        environment=$(tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null) || continue
        grep -qxF "WINEPREFIX=$WINEPREFIX" <<<"$environment" || continue
        printf "  %s" "$(ps -o pid=,etimes= -p "$pid")"
        echo " $(sed -n 's/^DISPLAY=//p' <<<"$environment" | grep . || echo none)" \
            "$(ps -o args= -p "$pid")"
    done
}
