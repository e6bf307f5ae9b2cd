# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows program's two packages, beside the build's Tolvarine.exe:
#   Tolvarine-<version>-setup.exe  an NSIS installer (makensis), with the
#                                  read-me of the installed program
#   Tolvarine-<version>-win64.zip  the program for portable use, with the
#                                  portable read-me
# Both read-mes are Romanian and English.
# Each carries the licence and the third-party notices as text files.

set(packaging ${PROJECT_SOURCE_DIR}/packaging/windows)
set(stage ${CMAKE_BINARY_DIR}/portable/Tolvarine-${PROJECT_VERSION})
set(setup ${CMAKE_BINARY_DIR}/Tolvarine-${PROJECT_VERSION}-setup.exe)
set(zip ${CMAKE_BINARY_DIR}/Tolvarine-${PROJECT_VERSION}-win64.zip)
set(installedReadme ${CMAKE_BINARY_DIR}/installer/README.txt)
# The read-me names the version.
configure_file(${packaging}/README.txt ${CMAKE_BINARY_DIR}/README.txt @ONLY)
set(texts ${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_SOURCE_DIR}/THIRD-PARTY.md
          ${CMAKE_BINARY_DIR}/README.txt)

# The folder the zip holds: text files with Windows line ends.
add_custom_command(
    OUTPUT ${stage}/Tolvarine.exe ${stage}/LICENSE.txt ${stage}/THIRD-PARTY.txt
           ${stage}/README.txt
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${stage}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:Tolvarine> ${stage}/Tolvarine.exe
    COMMAND sed "s/$/\\r/" ${PROJECT_SOURCE_DIR}/LICENSE > ${stage}/LICENSE.txt
    COMMAND sed "s/$/\\r/" ${PROJECT_SOURCE_DIR}/THIRD-PARTY.md > ${stage}/THIRD-PARTY.txt
    COMMAND sed "s/$/\\r/" ${CMAKE_BINARY_DIR}/README.txt > ${stage}/README.txt
    DEPENDS Tolvarine ${texts}
    COMMENT "Gathering the portable program's files"
    VERBATIM)
add_custom_command(
    OUTPUT ${zip}
    COMMAND ${CMAKE_COMMAND} -E rm -f ${zip}
    COMMAND ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip Tolvarine-${PROJECT_VERSION}
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/portable
    DEPENDS ${stage}/Tolvarine.exe ${stage}/LICENSE.txt ${stage}/THIRD-PARTY.txt
            ${stage}/README.txt
    COMMENT "Writing ${zip}"
    VERBATIM)
add_custom_target(tolvarine_zip ALL DEPENDS ${zip})

find_program(TOLVARINE_MAKENSIS makensis)
if(NOT TOLVARINE_MAKENSIS)
    message(WARNING "makensis (Debian package nsis) is missing: no installer is built")
    return()
endif()
# The installed program's read-me: where to start it and how to uninstall it.
add_custom_command(
    OUTPUT ${installedReadme}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/installer
    COMMAND sed "s/$/\\r/" ${packaging}/README-installed.txt > ${installedReadme}
    DEPENDS ${packaging}/README-installed.txt
    COMMENT "Writing the installed program's read-me"
    VERBATIM)
add_custom_command(
    OUTPUT ${setup}
    COMMAND ${TOLVARINE_MAKENSIS} -V2 -DVERSION=${PROJECT_VERSION}
            -DLEGAL=${TOLVARINE_LEGAL_COPYRIGHT}
            -DEXE=${stage}/Tolvarine.exe -DLICENSE=${stage}/LICENSE.txt
            -DNOTICES=${stage}/THIRD-PARTY.txt -DREADME=${installedReadme}
            -DICON=${CMAKE_BINARY_DIR}/app/tolvarine.ico -DOUTFILE=${setup}
            ${packaging}/tolvarine.nsi
    DEPENDS ${stage}/Tolvarine.exe ${stage}/LICENSE.txt ${stage}/THIRD-PARTY.txt
            ${installedReadme} ${packaging}/tolvarine.nsi tolvarine_icon
    COMMENT "Writing ${setup}"
    VERBATIM)
add_custom_target(tolvarine_setup ALL DEPENDS ${setup})
