#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the program under a virtual X server, opens the design part with F3,
# types 2n5 as the capacitance wanted, takes exactly 2 parts from E24 with
# the arrow keys, Tabs to the table and uses its first row with Enter; the
# window's copied results must then hold C1 = 3 nF, C2 = 15 nF and the
# equivalent capacitance 2.5 nF, and the design table its row.
# Usage: design_test.sh <Tolvarine program> <folder for the screenshot>
set -euo pipefail
program=$1
out=$2

source "$(dirname "$0")/xvfb_session.sh"
require_tools Xvfb xdotool import xclip
start_xvfb
start_program "$program"
height() { xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: [0-9]*x//p'; }

closed=$(height)
xdotool key F3
sleep 0.3
[ "$(height)" -gt "$closed" ] || { echo "FAIL: F3 did not open the design part"; exit 1; }
# The focus is in the capacitance wanted; "cel mult 4" is three entries
# below "2", E24 one below E12; six Tabs from the series to the table.
xdotool type --delay 40 2n5
xdotool key --delay 40 Tab Tab Up Up Up Tab Down
xdotool key --delay 40 Tab Tab Tab Tab Tab Tab Return
sleep 0.5
import -window "$window" "$out/e2e_design.png"
echo "Screenshot: $out/e2e_design.png"

xdotool key ctrl+shift+c
sleep 0.3
xclip -selection clipboard -o >"$work/clipboard.txt"
cat "$work/clipboard.txt"
failed=0
expect_line() { # a line that starts with these cells
    grep -q "^$(printf "$1")" "$work/clipboard.txt" || { echo "FAIL: no line '$1'"; failed=1; }
}
expect_line 'C1\t3\tnF\t'
expect_line 'C2\t15\tnF\t'
expect_line 'C3\t0\t'
expect_line 'Capacitate echivalentă\t2.5\tnF$'
expect_line '1\t3 nF + 15 nF\t2.5\tnF\t0.000 %%\t'
[ "$failed" -eq 0 ] && echo "PASS: F3, 2n5, E24 and 2 parts, Enter on the first row"

# Esc inside the design part closes it; once more, outside it, it ends the
# program.
xdotool key Escape
sleep 0.5
kill -0 "$program_pid" 2>/dev/null || { echo "FAIL: Esc in the design part ended the program"; exit 1; }
xdotool key Escape
timeout 10 tail --pid="$program_pid" -f /dev/null || { echo "FAIL: Esc did not end the program"; exit 1; }
program_pid=
exit $failed
