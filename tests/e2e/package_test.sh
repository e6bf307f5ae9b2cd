#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package of a build folder, checks it with lintian, unpacks
# it and runs the unpacked program on Qt's offscreen platform: it must keep
# running until it is told to stop.
# Usage: package_test.sh <build folder>
set -uo pipefail
build=$1

work=$(mktemp -d)
program_pid=
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 || {
    echo "FAIL: cpack"
    cat "$work/cpack.log"
    exit 1
}
deb=$(find "$work/out" -maxdepth 1 -name 'tolvarine_*.deb' | head -n 1)
[ -n "$deb" ] || { echo "FAIL: no .deb was built"; exit 1; }
echo "PASS: built $(basename "$deb")"

failed=0
# lintian marks errors E: and warnings W:; both fail.
report=$(lintian "$deb" 2>&1)
if grep -qE '^[EW]: ' <<<"$report"; then
    echo "FAIL: lintian"
    echo "$report"
    failed=1
else
    echo "PASS: lintian"
fi

dpkg-deb -x "$deb" "$work/root"
program=$work/root/usr/bin/Tolvarine
QT_QPA_PLATFORM=offscreen "$program" &
program_pid=$!
sleep 3
if kill -0 "$program_pid" 2>/dev/null; then
    kill -TERM "$program_pid"
    wait "$program_pid"
    status=$?
    program_pid=
    # 128 + 15: ended by SIGTERM, as asked.
    [ "$status" -eq 143 ] && echo "PASS: the unpacked program ran until SIGTERM" ||
        { echo "FAIL: the unpacked program ended with $status on SIGTERM"; failed=1; }
else
    wait "$program_pid"
    echo "FAIL: the unpacked program ended by itself with exit code $?"
    program_pid=
    failed=1
fi
exit $failed
