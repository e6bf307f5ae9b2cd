#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up of the Windows program under Wine against a minimal Qt Widgets
# window of the same size built the same way (static, same Qt), and against
# the window's stock widgets alone, each ending once it has painted its
# first frame. They run in rounds, taking turns and
# alternating which goes first, so a busy phase of the machine weighs on both.
# Reports the median wall time from launch to exit and the program's own CPU
# time to its first paint, and their ratios. It measures; it fails nothing.
#   scripts/windows/startup.sh [Windows build folder [rounds]]
set -uo pipefail
build=${1:+$(cd "$1" && pwd)}
cd "$(dirname "$0")/../.." || exit 1
source scripts/common.sh
build=$(cd "${build:-$build_windows}" && pwd)
rounds=${2:-9}
# The build's Wine, its prefix and locale (cmake/wine.cmake).
# shellcheck source=/dev/null
source "$build/wine.env"
wine=${WINE:?}
programs=(minimal widgets tolvarine)

work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
DISPLAY=:$(head -n 1 "$work/display")
export DISPLAY
# A Wine session left by a test (with no display) would take the windows:
# this one starts on the display above.
"$(dirname "$wine")/wineserver" -w
"$wine" "$build/bench/first_paint_minimal.exe" >/dev/null 2>&1 # Wine's own start-up, once

run() { # <program>: appends "<wall ms> <cpu ms>" to its file
    local start end out
    start=$(date +%s%N)
    out=$("$wine" "$build/bench/first_paint_$1.exe" 2>/dev/null)
    end=$(date +%s%N)
    echo "$(( (end - start) / 1000000 )) $(sed -n 's/.*cpu \([0-9.]*\) ms.*/\1/p' <<<"$out")" \
        >>"$work/$1"
}
for round in $(seq "$rounds"); do
    if (( round % 2 )); then
        run minimal; run widgets; run tolvarine
    else
        run tolvarine; run widgets; run minimal
    fi
done

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
declare -A wall cpu
for p in "${programs[@]}"; do
    wall[$p]=$(cut -d' ' -f1 "$work/$p" | median)
    cpu[$p]=$(cut -d' ' -f2 "$work/$p" | median)
done
echo "Start-up under Wine, $rounds rounds, medians:"
printf '  %-10s %10s %18s\n' program "wall ms" "cpu ms to paint"
for p in "${programs[@]}"; do printf '  %-10s %10s %18s\n' "$p" "${wall[$p]}" "${cpu[$p]}"; done
ratio() { # program baseline
    LC_ALL=C awk -v w1="${wall[$1]}" -v w0="${wall[$2]}" -v c1="${cpu[$1]}" -v c0="${cpu[$2]}" \
        -v name="$1/$2" 'BEGIN { printf "  ratio %s: wall %.2f, cpu %.2f\n", name, w1 / w0, c1 / c0 }'
}
ratio tolvarine minimal
ratio widgets minimal
ratio tolvarine widgets
