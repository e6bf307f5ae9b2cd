# SPDX-License-Identifier: GPL-3.0-or-later
# Building Tolvarine.exe with MinGW-w64 against a static Qt. Like the quality
# options these apply to every target of the project, so the libraries and
# the programs that link them are built alike.

# Each function and datum in its own section, so that the linker drops what
# no one calls; the C and C++ runtimes go inside the program, so it needs no
# DLLs beside it; release programs are stripped.
add_compile_options(-ffunction-sections -fdata-sections)
add_link_options(-static -Wl,--gc-sections $<$<NOT:$<CONFIG:Debug>>:-s>)
# GCC 12's optimiser warns of an overlap inside std::string's operator+ that
# cannot happen (GCC bug 105651).
add_compile_options(
    $<$<AND:$<CXX_COMPILER_ID:GNU>,$<VERSION_LESS:$<CXX_COMPILER_VERSION>,13>>:-Wno-restrict>)

# Programs that run while building (the icon writer) and the tests are
# Windows programs: on another system they run under Wine.
if(CMAKE_CROSSCOMPILING)
    include(${CMAKE_CURRENT_LIST_DIR}/wine.cmake)
endif()
