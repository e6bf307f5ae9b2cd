# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: cpack -G DEB in a build folder, or its "package" target.
set(CPACK_PACKAGE_NAME tolvarine)
set(CPACK_PACKAGE_VENDOR ${TOLVARINE_MAINTAINER_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator for up to four capacitors in series")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Tolvarine opens one window in which the capacitance of up to four capacitors\n"
    "(pF, nF, uF) and the applied AC voltage (uV, mV, V, kV) are typed. After\n"
    "every keystroke it shows the equivalent series capacitance and the voltage\n"
    "across each capacitor in readable units, beside a drawing of the circuit.\n"
    "The rating check (F2) gives each capacitor's worst-case voltage within the\n"
    "tolerance, its margin against its own DC or AC rating, typed as printed\n"
    "(275V~, 630VDC), and the energy at the peak. The design part (F3) tells\n"
    "which standard capacitors to put in series for a target capacitance and\n"
    "which ratings they need. Ctrl+Shift+C copies the results as a table.\n"
    "The window's texts are Romanian.")
set(CPACK_PACKAGE_HOMEPAGE_URL ${TOLVARINE_HOMEPAGE})
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${TOLVARINE_MAINTAINER})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
