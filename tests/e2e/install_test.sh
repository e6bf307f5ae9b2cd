#!/usr/bin/env bash
# Installs into a scratch DESTDIR and checks the installed files.
# Usage: install_test.sh <build folder>
set -euo pipefail
build=$1

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
DESTDIR="$work" cmake --install "$build" --prefix /usr >/dev/null

failed=0
for file in \
    usr/bin/Tolvarine \
    usr/share/applications/tolvarine.desktop \
    usr/share/metainfo/tolvarine.metainfo.xml \
    usr/share/icons/hicolor/32x32/apps/tolvarine.xpm \
    usr/share/pixmaps/tolvarine.xpm; do
    if [ -f "$work/$file" ]; then
        echo "PASS: /$file"
    else
        echo "FAIL: /$file is missing"
        failed=1
    fi
done
[ -x "$work/usr/bin/Tolvarine" ] || { echo "FAIL: the program is not executable"; failed=1; }

desktop=$work/usr/share/applications/tolvarine.desktop
grep -qx 'Exec=Tolvarine' "$desktop" || { echo "FAIL: Exec is not the program"; failed=1; }
grep -qx 'Icon=tolvarine' "$desktop" || { echo "FAIL: Icon is not the installed icon"; failed=1; }
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" && echo "PASS: desktop-file-validate" || failed=1
else
    echo "desktop-file-validate is not installed: the desktop entry is not validated"
fi
metainfo=$work/usr/share/metainfo/tolvarine.metainfo.xml
if command -v xmllint >/dev/null; then
    xmllint --noout "$metainfo" && echo "PASS: the metainfo is well-formed XML" || failed=1
fi
grep -q '<launchable type="desktop-id">tolvarine.desktop</launchable>' "$metainfo" ||
    { echo "FAIL: the metainfo does not launch the desktop entry"; failed=1; }
grep -q '<release version="1.00"' "$metainfo" ||
    { echo "FAIL: the metainfo does not name version 1.00"; failed=1; }
exit $failed
