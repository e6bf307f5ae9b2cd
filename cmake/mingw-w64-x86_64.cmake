# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (the -posix
# variants: Qt needs std::thread). Used to build the static Qt; the program
# itself is configured with the toolchain file that Qt installs, which loads
# this one.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TOLVARINE_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TOLVARINE_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TOLVARINE_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${TOLVARINE_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TOLVARINE_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
