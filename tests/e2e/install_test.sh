#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs into a scratch DESTDIR and checks the installed files: the desktop
# entry and the AppStream metadata pass their validators without a warning,
# the files written from templates carry the version and the licence, the
# manual page quotes --version, and every icon size is there and shows
# something.
# Usage: install_test.sh <build folder> <application id> <version> <licence>
set -euo pipefail
build=$1
id=$2
version=$3
licence=$4

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

# Each fact where its file states it; a misspelt template variable leaves it
# empty.
has() { # <what> <file> <fixed text>
    grep -qF -- "$3" "$2" && echo "PASS: $1" || fail "$1: no '$3' in /${2#"$work"/}"
}
man=$work/man.txt
zcat "$work/usr/share/man/man1/Tolvarine.1.gz" >"$man"
zcat "$work/usr/share/doc/tolvarine/changelog.Debian.gz" >"$work/changelog.txt"
has "the metainfo's release" "$work/$metainfo" "<release version=\"$version\""
has "the metainfo's licence" "$work/$metainfo" "<project_license>$licence</project_license>"
has "the manual page's version" "$man" "\"Tolvarine $version\""
has "the manual page's licence" "$man" "($licence)"
has "the changelog's version" "$work/changelog.txt" "tolvarine ($version-1)"
has "the copyright's licence" "$work/usr/share/doc/tolvarine/copyright" "License: $licence"
grep -qx '.SH COPYRIGHT' "$man" || fail "the manual page has no COPYRIGHT section"
# The manual page quotes what --version prints, line by line.
printed=$("$work/usr/bin/Tolvarine" --version) && [ -n "$printed" ] || fail "--version printed nothing"
while IFS= read -r line; do
    has "the manual page's --version: $line" "$man" "$line"
done <<<"$printed"

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
