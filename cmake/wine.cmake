# SPDX-License-Identifier: GPL-3.0-or-later
# Wine, for the Windows programs a cross build runs on Linux: the icon writer
# while building, the tests, the start-up measure. They all run in one Wine
# prefix of the build's own, with the environment set here:
#   TOLVARINE_WINE              the wine program
#   TOLVARINE_WINE_ENVIRONMENT  its prefix, debug channels (errors only, which
#                               explain a failed test) and DLL overrides (no
#                               .NET or HTML engine asked for)
#   TOLVARINE_WINE_LOCALE       the locale the window's tests and the start-up
#                               measure run in: a Romanian Windows
# and written for the scripts as wine.env in the build folder (sourced by
# scripts/windows/startup.sh).
find_program(TOLVARINE_WINE NAMES wine64 wine PATHS /usr/lib/wine)
set(TOLVARINE_WINE_ENVIRONMENT
    WINEPREFIX=${CMAKE_BINARY_DIR}/wine WINEDEBUG=fixme-all "WINEDLLOVERRIDES=mscoree,mshtml=")
set(TOLVARINE_WINE_LOCALE LANG=ro_RO.UTF-8 LC_ALL=ro_RO.UTF-8)

if(NOT TOLVARINE_WINE)
    message(WARNING "No Wine found: the icon cannot be written nor the tests run")
    return()
endif()
# The programs the build and the tests run directly say nothing of Wine's: the
# first makes the prefix, which Wine reports at length.
if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
    set(CMAKE_CROSSCOMPILING_EMULATOR
        ${CMAKE_COMMAND} -E env ${TOLVARINE_WINE_ENVIRONMENT} WINEDEBUG=-all ${TOLVARINE_WINE})
endif()
set(exports "")
foreach(setting IN ITEMS WINE=${TOLVARINE_WINE} ${TOLVARINE_WINE_ENVIRONMENT}
                         ${TOLVARINE_WINE_LOCALE})
    string(REGEX REPLACE "^([A-Z_]+)=(.*)$" "export \\1='\\2'\n" line "${setting}")
    string(APPEND exports "${line}")
endforeach()
file(WRITE ${CMAKE_BINARY_DIR}/wine.env
     "# Written by CMake (cmake/wine.cmake): the Wine environment of this build.\n${exports}")
