#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the program under a virtual X server with a screen reader's view of
# it (AT-SPI), types 2 x 100 nF on 230 V in engineering notation, checks that
# the window's class is the one its desktop entry names, opens the rating
# check from the keyboard (Tab to "Verificare", Space), rates both capacitors
# at 160 V and sees the margins turn red, copies the results with
# Ctrl+Shift+C, takes C2's rating as AC (RMS) with its kind list, then on
# 400 V pastes "275 V~" into C1's rating and "630VDC" into C2's, as printed
# on an X2 part and a film part, and reads from the copied table that each
# margin holds against its own kind; last it types a tolerance of 150 %,
# which a screen reader hears as an alert naming the tolerance.
# Usage: rating_test.sh <Tolvarine program> <folder for the screenshot> <desktop entry>
set -euo pipefail
program=$1
out=$2
entry=$3
here=$(cd "$(dirname "$0")" && pwd)
python=/usr/bin/python3

source "$here/atspi_bus.sh"
in_own_session "$0" "$@"
source "$here/xvfb_session.sh"
require_reader_tools xdotool import convert xclip xprop
helpers=()
trap 'kill "${helpers[@]}" 2>/dev/null; cleanup' EXIT
start_accessibility_bus
helpers+=("$bus_pid")
start_xvfb
start_program "$program" QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

failed=0
fail() { echo "FAIL: $*"; failed=1; }
colour_pixels() { # <fx condition> <image>: pixels of that colour
    convert "$2" -fx "($1) ? 1 : 0" -format '%[fx:round(mean*w*h)]' info:
}
red_pixels() { colour_pixels 'r>0.55 && g<0.25 && b<0.25' "$1"; }
green_pixels() { colour_pixels 'r<0.1 && g>0.3 && g<0.5 && b<0.1' "$1"; }
height() { xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: [0-9]*x//p'; }
margins() { "$python" "$here/atspi_window.py" fields "Marja față de tensiunea nominală a C1" \
    "Marja față de tensiunea nominală a C2" | cut -f2 | paste -sd' '; }

# Docks group the window with its launcher by the window's class.
wm_class=$(xprop -id "$window" WM_CLASS)
startup_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
echo "$wm_class; the desktop entry: StartupWMClass=$startup_class"
grep -qF "\"$startup_class\"" <<<"$wm_class" || fail "the window's class is not $startup_class"

"$python" "$here/atspi_window.py" listen 110 >"$work/alerts" &
helpers+=("$!")
for _ in $(seq 50); do grep -q listening "$work/alerts" && break; sleep 0.1; done

# C1 and C2: 100n, the unit letter choosing nF; 230 V applied.
xdotool key --delay 40 ctrl+a
xdotool type --delay 40 100n
xdotool key --delay 40 Tab Tab
xdotool type --delay 40 100n
xdotool key --delay 40 Tab Tab Tab Tab Tab Tab
xdotool type --delay 40 230
closed=$(height)

# Tab to "Verificare", last in the focus order, and Space: the window grows
# downwards and the focus goes to the C1 rating.
for _ in $(seq 12); do xdotool key --delay 40 Tab; done
xdotool key space
sleep 0.5
opened=$(height)
echo "window height closed: $closed, open: $opened"
[ "$opened" -gt "$closed" ] || { echo "FAIL: Space on Verificare did not open the panel"; exit 1; }
import -window "$window" "$work/unrated.png"
xdotool type --delay 40 160
xdotool key --delay 40 Tab Tab Tab
xdotool type --delay 40 160
sleep 0.5
import -window "$window" "$out/e2e_rating.png"
echo "Screenshot: $out/e2e_rating.png"
before=$(red_pixels "$work/unrated.png")
after=$(red_pixels "$out/e2e_rating.png")
echo "red pixels before the ratings: $before, after: $after; margins: $(margins)"
[ "$before" -eq 0 ] && [ "$after" -gt 0 ] || fail "the margins did not turn red"

xdotool key ctrl+shift+c
sleep 0.3
xclip -selection clipboard -o >"$work/clipboard.txt"
cat "$work/clipboard.txt"
expect_line() {
    grep -qxF "$(printf "$1")" "$work/clipboard.txt" || fail "no line '$1'"
}
expect_line 'C1\t100\tnF\t115\tV'
expect_line 'Tensiunea aplicată\t230\tV'
expect_line 'Capacitate echivalentă\t50\tnF'
expect_line 'C2\t160\tV\tc.c.\t126.5\tV\t178.898\tV\t-18.898\tV\tdepășește\tvârf\t1.6\tmJ'
expect_line 'Energie W, la vârful nominal\t2.645\tmJ'
expect_line 'Reactanță Xc, nominală\t63.662\tkΩ'

# Each rating's kind follows its unit in the focus order: Down takes AC.
xdotool key --delay 40 Tab Tab Down
sleep 0.5
echo "C2 rated AC; margins: $(margins)"
[ "$(margins)" == "-18.898 33.5" ] || fail "C2's AC margin is not 33.5 V beside C1's DC one"

# Places in the window, in pixels: the applied voltage, C1's and C2's
# ratings, the tolerance.
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.2; }
paste_into() { # x y text
    printf '%s' "$3" | xclip -selection clipboard
    click "$1" "$2"
    xdotool key --delay 40 ctrl+a ctrl+v
}
click 348 284
xdotool key --delay 40 ctrl+a
xdotool type --delay 40 400
paste_into 60 365 '275 V~'
paste_into 60 393 '630VDC'
sleep 0.5
import -window "$window" "$work/printed.png"
echo "275 V~ and 630VDC on 400 V: red pixels $(red_pixels "$work/printed.png")," \
    "green pixels $(green_pixels "$work/printed.png"); margins: $(margins)"
[ "$(margins)" == "55 318.873" ] || fail "the margins are not 55 V (RMS) and 318.873 V (peak)"
[ "$(red_pixels "$work/printed.png")" -eq 0 ] &&
    [ "$(green_pixels "$work/printed.png")" -gt 0 ] || fail "the margins did not turn green"
xdotool key ctrl+shift+c
sleep 0.3
xclip -selection clipboard -o >"$work/clipboard.txt"
expect_line 'C1\t275\tV\tc.a.\t220\tV\t311.127\tV\t55\tV\tîn limită\tefectivă\t4.84\tmJ'
expect_line 'C2\t630\tV\tc.c.\t220\tV\t311.127\tV\t318.873\tV\tîn limită\tvârf\t4.84\tmJ'

# A tolerance of 150 %: the message band names the tolerance, as an alert.
click 720 349
xdotool key --delay 40 ctrl+a
xdotool type --delay 40 150
tolerance="Toleranța trebuie să fie sub 100 %."
for _ in $(seq 150); do grep -qF "$tolerance" "$work/alerts" && break; sleep 0.1; done
grep '^alert' "$work/alerts" || true
grep -q '^alert	\(C1 depășește\|Depășesc\) tensiunea nominală' "$work/alerts" ||
    fail "no alert when the margins turned red"
[ "$(grep '^alert' "$work/alerts" | tail -n 1)" == "$(printf 'alert\t%s' "$tolerance")" ] ||
    fail "the last alert is not '$tolerance'"
[ "$failed" -eq 0 ] && echo "PASS: the rating check from the keyboard, DC and AC, and its alerts"

# Esc inside the rating check closes it; once more, outside it, it ends the program.
xdotool key Escape
sleep 0.5
[ "$(height)" -eq "$closed" ] || fail "Esc in the rating check did not close it"
kill -0 "$program_pid" 2>/dev/null || { echo "FAIL: Esc in the rating check ended the program"; exit 1; }
xdotool key Escape
timeout 10 tail --pid="$program_pid" -f /dev/null || { echo "FAIL: Esc did not end the program"; exit 1; }
program_pid=
exit $failed
