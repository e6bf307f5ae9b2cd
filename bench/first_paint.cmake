# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up to the first painted frame: the real window, created as the
# program creates it, against a minimal Qt Widgets window of the same size
# and against the window's stock widgets alone; each quits once it has
# painted.
add_library(tolvarine_first_paint STATIC first_paint.cpp)
target_include_directories(tolvarine_first_paint PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(tolvarine_first_paint PRIVATE Qt6::Widgets tolvarine_warnings)

add_executable(first_paint_tolvarine first_paint_tolvarine.cpp)
target_link_libraries(first_paint_tolvarine
    PRIVATE tolvarine_first_paint tolvarine_view tolvarine_project_info Qt6::Widgets
            tolvarine_warnings)
add_executable(first_paint_minimal first_paint_minimal.cpp)
target_link_libraries(first_paint_minimal
    PRIVATE tolvarine_first_paint tolvarine_view Qt6::Widgets tolvarine_warnings)
add_executable(first_paint_widgets first_paint_widgets.cpp)
target_link_libraries(first_paint_widgets
    PRIVATE tolvarine_first_paint tolvarine_view Qt6::Widgets tolvarine_warnings)
