#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts Tolvarine.exe under Wine on a virtual X server in a Romanian Windows
# locale, types "4n7", a plain 22 with nF chosen in its list and "1k5" key by
# key, opens the rating check with F2, copies every result with Ctrl+Shift+C,
# reads the copied table from the X clipboard and checks its numbers, with
# the Romanian decimal comma that Windows gives. A screenshot must not be
# blank; Esc ends the program with exit code 0. A failure says what the
# program and Wine said.
# Usage: wine_e2e_test.sh <Tolvarine.exe> <folder for the screenshot>
#        (WINE: the wine program; WINEPREFIX: its prefix)
set -euo pipefail
exe=$1
out=$2

source "$(dirname "$0")/../e2e/xvfb_session.sh"
require_tools Xvfb xdotool xwininfo xclip import convert "$WINE" "$(dirname "$WINE")/wineserver"
locale -a | grep -qx ro_RO.utf8 || { echo "SKIP: no locale ro_RO.UTF-8"; exit 77; }
source "$(dirname "$0")/wine_session.sh"
fail() { echo "FAIL: $*"; explain; exit 1; }
start_xvfb
start_wine_session

# The locale is the build's Wine locale, Romanian (cmake/wine.cmake).
start_wine_program "$exe"
wait_for_window || exit 1
timeout "$window_limit" xdotool windowfocus --sync "$window" || fail "the window takes no focus"

keys() { xdotool key --delay 80 "$@"; }
typed() { xdotool type --delay 80 "$1"; }
keys ctrl+a
typed 4n7           # C1: 4.7 nF, the letter choosing the unit
keys Tab Tab
typed 22            # C2: 22, then nF chosen in its list
keys Tab n
keys Tab Tab Tab Tab Tab
typed 1k5           # the applied voltage: 1.5 kV
keys F2
# Until the window has drawn more than a blank frame.
for _ in $(seq "$window_limit"); do
    import -window root "$out/wine_e2e.png"
    colours=$(convert "$out/wine_e2e.png" -format '%k' info:)
    [ "$colours" -gt 16 ] && break
    sleep 1
done
echo "Screenshot: $out/wine_e2e.png"
echo "colours in the screenshot: $colours"
[ "$colours" -gt 16 ] || fail "the screenshot is blank"

# Until the clipboard holds the table, with its last line.
keys ctrl+shift+c
for _ in $(seq "$((window_limit * 10))"); do
    xclip -selection clipboard -o >"$work/clipboard.txt" 2>/dev/null &&
        grep -q '^Reactanță' "$work/clipboard.txt" && break
    sleep 0.1
done
cat "$work/clipboard.txt"
failed=0
while IFS= read -r line; do
    if grep -qxF "$(printf '%b' "$line")" "$work/clipboard.txt"; then
        echo "PASS: '$line'"
    else
        echo "FAIL: no line '$line'"
        failed=1
    fi
done <<'TABLE'
C1\t4,7\tnF\t1,236\tkV
C2\t22\tnF\t264,045\tV
Tensiunea aplicată\t1,5\tkV
Capacitate echivalentă\t3,873\tnF
Sarcina Q, nominală efectivă\t5,809\tuC
Reactanță Xc, nominală\t821,941\tkΩ
TABLE

[ "$failed" -eq 0 ] || explain
# The focus is in the rating check: the first Esc closes it, the second
# ends the program.
keys Escape
sleep 0.5
keys Escape
wait_for_end || fail "Esc did not end the program"
[ "$status" -eq 0 ] || fail "exit code $status after Esc"
echo "PASS: exit code 0 after Esc"
exit $failed
