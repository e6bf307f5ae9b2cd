#!/usr/bin/env bash
# Installs into a scratch DESTDIR and checks the installed files: the desktop
# entry and the AppStream metadata pass their validators without a warning,
# and every icon size is there and shows something.
# Usage: install_test.sh <build folder> <application id>
set -euo pipefail
build=$1
id=$2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
DESTDIR="$work" cmake --install "$build" --prefix /usr >/dev/null

failed=0
fail() { echo "FAIL: $*"; failed=1; }

desktop=usr/share/applications/$id.desktop
metainfo=usr/share/metainfo/$id.metainfo.xml
for file in usr/bin/Tolvarine "$desktop" "$metainfo" usr/share/man/man1/Tolvarine.1.gz \
    usr/share/doc/tolvarine/copyright; do
    [ -f "$work/$file" ] && echo "PASS: /$file" || fail "/$file is missing"
done
[ -x "$work/usr/bin/Tolvarine" ] || fail "the program is not executable"

grep -qx 'Exec=Tolvarine' "$work/$desktop" || fail "Exec is not the program"
grep -qx "Icon=$id" "$work/$desktop" || fail "Icon is not the installed icon"
grep -q "<id>$id</id>" "$work/$metainfo" || fail "the metainfo's id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$work/$metainfo" ||
    fail "the metainfo does not launch the desktop entry"

# Any output of desktop-file-validate is a warning or an error; appstreamcli
# marks them E: and W: (I: and P: are advice).
report=$(desktop-file-validate "$work/$desktop" 2>&1) && [ -z "$report" ] &&
    echo "PASS: desktop-file-validate" || fail "desktop-file-validate: $report"
report=$(appstreamcli validate --no-net --no-color "$work/$metainfo" 2>&1) &&
    ! grep -qE '^[EW]:' <<<"$report" && echo "PASS: appstreamcli validate" ||
    fail "appstreamcli validate: $report"

# Each size: a square PNG of that size with more than one colour.
icons=$work/usr/share/icons/hicolor
for size in 16 24 32 48 64 128 256; do
    png=$icons/${size}x${size}/apps/$id.png
    shape=$(identify -format '%wx%h %k' "$png" 2>/dev/null) || shape="missing"
    read -r dimensions colours <<<"$shape"
    if [ "$dimensions" = "${size}x${size}" ] && [ "${colours:-0}" -gt 1 ]; then
        echo "PASS: icon ${size}x${size}, $colours colours"
    else
        fail "icon ${size}x${size}: $shape"
    fi
done
svg=$icons/scalable/apps/$id.svg
grep -q 'viewBox="0 0 32 32"' "$svg" && [ "$(grep -c '<rect ' "$svg")" -gt 1 ] &&
    echo "PASS: scalable icon" || fail "the scalable icon is missing or empty"
exit $failed
