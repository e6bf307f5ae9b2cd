#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages of the named groups that are missing, and
# generates the locales the tests need. With everything there it changes
# nothing: no apt-get, no sudo. TOLVARINE_NO_INSTALL=1 only names what is
# missing, for those who manage their packages themselves.
#   scripts/install-deps.sh build|package|test|quality ...
#   build    compiling and running the program
#   package  building its .deb
#   test     the test suite (widget tests, end-to-end tests, the checks of the
#            package, its metadata and its accessibility)
#   quality  fuzzing, coverage and benchmarks
#   windows  cross-building Tolvarine.exe with a static Qt, its installer and
#            zip, and testing them under Wine
set -euo pipefail

packages=()
locales=() # generated for the end-to-end tests, which run the program in them
for group in "$@"; do
    case $group in
    build) packages+=(cmake g++ make pkg-config qt6-base-dev qt6-base-dev-tools qt6-l10n-tools libgl-dev
                      fonts-dejavu-core) ;;
    package) packages+=(dpkg-dev file) ;;
    test) packages+=(libgtest-dev libgmock-dev googletest
                     xvfb xauth xdotool x11-utils imagemagick xclip binutils-mingw-w64-x86-64
                     lintian appstream desktop-file-utils
                     dbus at-spi2-core python3-pyatspi
                     locales)
          locales+=(ro_RO en_US) ;;
    quality) packages+=(libgtest-dev libgmock-dev googletest libbenchmark-dev
                        clang libclang-rt-14-dev gcovr) ;;
    windows) packages+=(cmake ninja-build perl dpkg-dev xz-utils
                        g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
                        qt6-base-dev qt6-base-dev-tools qt6-l10n-tools
                        googletest wine64 nsis icoutils zip unzip
                        xvfb xauth xdotool xclip x11-utils imagemagick locales)
             locales+=(ro_RO en_US fr_FR) ;;
    *) echo "install-deps.sh: unknown group '$group' (build, package, test, quality, windows)" >&2
       exit 2 ;;
    esac
done

# A package counts as there when dpkg has it installed, whatever its selection
# (a held package is there too). The answers are read whole: grep -q on a pipe
# would end its writer early, which pipefail counts as a failure.
missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}\n' "$p" 2>/dev/null) || status=
    grep -qx installed <<<"$status" || missing+=("$p")
done
missing_locales=()
available_locales=$(locale -a 2>/dev/null) || available_locales=
for name in "${locales[@]}"; do
    grep -qix "$name.utf-\?8" <<<"$available_locales" || missing_locales+=("$name")
done
[ ${#missing[@]} -eq 0 ] && [ ${#missing_locales[@]} -eq 0 ] && exit 0

if [ "${TOLVARINE_NO_INSTALL:-}" = 1 ]; then
    [ ${#missing[@]} -ne 0 ] && echo "TOLVARINE_NO_INSTALL=1, not installing: ${missing[*]}" >&2
    [ ${#missing_locales[@]} -ne 0 ] &&
        echo "TOLVARINE_NO_INSTALL=1, not generating the locales: ${missing_locales[*]/%/.UTF-8}" >&2
    exit 0
fi

sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
if [ ${#missing[@]} -ne 0 ]; then
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
for name in "${missing_locales[@]}"; do
    echo "Generating the locale $name.UTF-8"
    "${sudo[@]}" localedef -i "$name" -f UTF-8 "$name.UTF-8"
done
