#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes docs/screenshot.png: the window with 10 nF and 22 nF on 230 V, under a
# virtual X server. With --dark, takes docs/screenshot-dark.png instead: the
# same under a dark desktop (Qt's KDE platform theme reading a Breeze Dark
# colour scheme, the Fusion style), with the applied voltage's list open.
# With --rating, takes docs/screenshot-rating.png: the rating check open on
# 2 x 100 nF on 230 V, +-10 %, 50 Hz, C1 an X2 part rated 275 V~ (AC), C2
# rated 160 V DC. With --design, takes docs/screenshot-design.png: the design
# part (F3) for 2,5 nF from E24 with 2 parts on 230 V, its first row used.
# Usage: scripts/screenshot.sh [--dark|--rating|--design] [path to the Tolvarine program]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh

dark=
rating=
design=
if [ "${1:-}" = --dark ]; then
    dark=1
    shift
elif [ "${1:-}" = --rating ]; then
    rating=1
    shift
elif [ "${1:-}" = --design ]; then
    design=1
    shift
fi
program=${1:-$build_release/app/Tolvarine}
if [ ! -x "$program" ]; then
    echo "No program at $program; build it first (scripts/run.sh) or pass its path." >&2
    exit 1
fi
for tool in Xvfb xdotool import; do
    command -v "$tool" >/dev/null || { echo "screenshot.sh needs $tool" >&2; exit 1; }
done

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp &
xvfb_pid=$!
program_pid=
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$config"
}
trap cleanup EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

config=$(mktemp -d)
if [ -n "$dark" ]; then
    cat >"$config/kdeglobals" <<'COLOURS'
[KDE]
widgetStyle=Fusion

[Colors:Window]
BackgroundNormal=49,54,59
ForegroundNormal=239,240,241

[Colors:View]
BackgroundNormal=35,38,41
ForegroundNormal=239,240,241

[Colors:Button]
BackgroundNormal=49,54,59
ForegroundNormal=239,240,241

[Colors:Selection]
BackgroundNormal=61,174,233
ForegroundNormal=252,252,252
COLOURS
    export XDG_CONFIG_HOME=$config KDE_SESSION_VERSION=5 QT_QPA_PLATFORMTHEME=kde
fi

LC_ALL=C.UTF-8 "$program" &
program_pid=$!
window=$(xdotool search --sync --name '^ Tolvarine $' | head -n 1)
xdotool windowfocus --sync "$window"
sleep 0.5

if [ -n "$rating" ]; then
    # The values in engineering notation, F2, the ratings of C1 and C2 as
    # printed on the parts.
    xdotool key --delay 50 ctrl+a
    xdotool type --delay 50 100n
    xdotool key --delay 50 Tab Tab
    xdotool type --delay 50 100n
    xdotool key --delay 50 Tab Tab Tab Tab Tab Tab
    xdotool type --delay 50 230
    xdotool key --delay 50 F2
    xdotool type --delay 50 '275V~'
    xdotool key --delay 50 Tab Tab Tab
    xdotool type --delay 50 160VDC
    sleep 0.5
    import -window "$window" docs/screenshot-rating.png
    echo "Wrote docs/screenshot-rating.png"
    exit 0
fi

if [ -n "$design" ]; then
    # 230 V applied; F3, 2n5, 2 parts (up from "cel mult 4"), E24 (down from
    # E12); the table, Enter on its first row.
    xdotool key --delay 50 Tab Tab Tab Tab Tab Tab Tab Tab
    xdotool type --delay 50 230
    xdotool key --delay 50 F3
    xdotool type --delay 50 2n5
    xdotool key --delay 50 Tab Tab Up Up Up Tab Down
    xdotool key --delay 50 Tab Tab Tab Tab Tab Tab Return
    sleep 0.5
    import -window "$window" docs/screenshot-design.png
    echo "Wrote docs/screenshot-design.png"
    exit 0
fi

# C1 = 10 nF, C2 = 22 nF, the applied voltage 230 (V is the unit at start).
xdotool key --delay 50 ctrl+a
xdotool type --delay 50 10
xdotool key --delay 50 Tab n Tab
xdotool type --delay 50 22
xdotool key --delay 50 Tab n Tab Tab Tab Tab Tab
xdotool type --delay 50 230
if [ -z "$dark" ]; then
    # Park the caret where it hides nothing: on the button.
    xdotool key --delay 50 Tab Tab
    sleep 0.5
    import -window "$window" docs/screenshot.png
    echo "Wrote docs/screenshot.png"
    exit 0
fi

# Open the applied voltage's list and lay the window and the list's popup,
# each captured alone, on the dark desktop's colour.
xdotool key --delay 50 Tab alt+Down
sleep 0.5
geometry() { # x y width height of a window
    xdotool getwindowgeometry --shell "$1" |
        awk -F= '$1 == "X" || $1 == "Y" || $1 == "WIDTH" || $1 == "HEIGHT" { printf "%s ", $2 }'
}
popup=$(xdotool search --onlyvisible --pid "$program_pid" | grep -vx "$window" | head -n 1)
[ -n "$popup" ] || { echo "The list did not open" >&2; exit 1; }
read -r wx wy ww wh <<<"$(geometry "$window")"
read -r px py _ ph <<<"$(geometry "$popup")"
import -window "$window" "$config/window.png"
import -window "$popup" "$config/popup.png"
margin=24
height=$(( (py + ph > wy + wh ? py + ph : wy + wh) - wy + 2 * margin ))
convert -size "$((ww + 2 * margin))x$height" xc:'#232629' \
    "$config/window.png" -geometry "+$margin+$margin" -composite \
    "$config/popup.png" -geometry "+$((px - wx + margin))+$((py - wy + margin))" -composite \
    docs/screenshot-dark.png
echo "Wrote docs/screenshot-dark.png"
