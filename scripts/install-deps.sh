#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages of the named groups, when missing.
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

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
if [ ${#missing[@]} -ne 0 ]; then
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

for name in "${locales[@]}"; do
    if ! locale -a | grep -qx "$name.utf8"; then
        echo "Generating the locale $name.UTF-8"
        $sudo localedef -i "$name" -f UTF-8 "$name.UTF-8"
    fi
done
