#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# scripts/install-deps.sh asks apt, sudo and localedef only for what is
# missing, and nothing at all with TOLVARINE_NO_INSTALL=1. dpkg-query, locale,
# id, sudo, apt-get and localedef are stand-ins that log their calls; the
# machine's packages are neither read nor changed.
# Usage: install_deps_test.sh <install-deps.sh>
set -uo pipefail
script=$1

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin"
cat >"$work/bin/stand-in" <<'STUB'
#!/usr/bin/env bash
name=$(basename "$0")
echo "$name $*" >>"$STUB_LOG"
case $name in
dpkg-query) # the last argument is the package
    for p in $STUB_MISSING; do [ "$p" = "${!#}" ] && { echo not-installed; exit 0; }; done
    echo installed ;;
locale) for l in ro_RO en_US; do [[ " $STUB_MISSING " == *" $l "* ]] || echo "$l.utf8"; done ;;
id) echo 1000 ;;
sudo) "$@" ;;
esac
STUB
chmod +x "$work/bin/stand-in"
for tool in dpkg-query locale id sudo apt-get localedef; do
    ln -s stand-in "$work/bin/$tool"
done

failed=0
# name | missing packages and locales | TOLVARINE_NO_INSTALL | the calls beyond
# the look-ups, in order ("-" for none)
cases=(
    "all there|||-"
    "a package and a locale missing|xvfb ro_RO||sudo apt-get update -qq;apt-get update -qq;sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends xvfb;apt-get install -y -qq --no-install-recommends xvfb;sudo localedef -i ro_RO -f UTF-8 ro_RO.UTF-8;localedef -i ro_RO -f UTF-8 ro_RO.UTF-8"
    "missing, installing turned off|xvfb ro_RO|1|-"
)
for row in "${cases[@]}"; do
    IFS='|' read -r name missing no_install expected <<<"$row"
    : >"$work/log"
    PATH="$work/bin:$PATH" STUB_LOG="$work/log" STUB_MISSING="$missing" \
        TOLVARINE_NO_INSTALL="$no_install" bash "$script" build test >"$work/out" 2>&1
    status=$?
    calls=$(grep -vE '^(dpkg-query|locale|id) ' "$work/log" | paste -sd ';')
    if [ "$status" -eq 0 ] && [ "${calls:--}" = "$expected" ]; then
        echo "PASS: $name"
    else
        echo "FAIL: $name: exit code $status, calls: ${calls:--}"
        cat "$work/out"
        failed=1
    fi
done
exit $failed
