# SPDX-FileCopyrightText: 2026 The Dish Planner developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The Windows build: the Win32 view over the same core, the program file
# with its icon, version block and manifest, its tests under Wine, the
# start-up probe, and the portable zip and the installer CPack makes.
enable_language(RC)

add_library(planner_win32 STATIC
  window/win32/controls_win32.cpp window/win32/form_window_win32.cpp
  window/win32/form_items_win32.cpp window/win32/form_layout_win32.cpp
  window/win32/shape_painter_win32.cpp window/win32/planner_window_commands.cpp window/win32/planner_window_dpi.cpp
  window/win32/planner_window_win32.cpp window/win32/template_printer_win32.cpp
  window/win32/screen_readers_win32.cpp window/win32/accessible_control.cpp)
# uuid before oleacc: else IID_IAccessible is taken from oleacc's import
# library, where it is no GUID.
target_link_libraries(planner_win32 PUBLIC planner_core comctl32 comdlg32 uuid oleacc ole32 oleaut32)
# Windows 10 1607 for the per-monitor dpi calls; wide-character API.
target_compile_definitions(planner_win32 PUBLIC
  UNICODE _UNICODE NOMINMAX WINVER=0x0A00 _WIN32_WINNT=0x0A00)

configure_file(app/dish-planner.manifest.in app/dish-planner.manifest @ONLY)
configure_file(app/manifest.rc.in app/manifest.rc @ONLY)
add_executable(dish-planner WIN32 app/winmain.cpp
  ${PROJECT_BINARY_DIR}/app/planner.rc ${PROJECT_BINARY_DIR}/app/manifest.rc)
target_link_libraries(dish-planner PRIVATE planner_win32)
target_link_options(dish-planner PRIVATE -municode)
set_property(SOURCE ${PROJECT_BINARY_DIR}/app/manifest.rc APPEND PROPERTY OBJECT_DEPENDS
  ${PROJECT_BINARY_DIR}/app/dish-planner.manifest)
set_property(SOURCE ${PROJECT_BINARY_DIR}/app/planner.rc APPEND PROPERTY OBJECT_DEPENDS
  ${PROJECT_SOURCE_DIR}/resources/planner.ico)

include(cmake/WindowsPackage.cmake)

include(CTest)
if(BUILD_TESTING)
  include(cmake/TestLibraries.cmake)
  add_subdirectory(tests/win32)
endif()
add_subdirectory(bench/win32)

# Developer's tool: the window's picture as a BMP (docs/planner-windows.png).
add_executable(planner-screenshot EXCLUDE_FROM_ALL tools/screenshot_win32.cpp)
target_link_libraries(planner-screenshot PRIVATE planner_win32)
