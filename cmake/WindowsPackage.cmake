# SPDX-FileCopyrightText: 2026 The Dish Planner developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# What Windows users download: a portable zip (the program, its licence and
# the readme in one folder) and an installer made with NSIS that puts the
# same files under Program Files, adds a Start menu entry and an entry in
# the installed programs (version and icon), and brings its uninstaller.
set(PLANNER_LICENCE ${PROJECT_SOURCE_DIR}/LICENSES/GPL-3.0-or-later.txt)

install(TARGETS dish-planner RUNTIME DESTINATION .)
install(FILES ${PLANNER_LICENCE} DESTINATION . RENAME LICENCE.txt)
install(FILES README.md DESTINATION . RENAME README.txt)

set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_NAME dish-planner)
set(CPACK_PACKAGE_VENDOR "Dish Planner developers")
set(CPACK_PACKAGE_VERSION ${PLANNER_VERSION_TEXT})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "focal length, gain and profile of a microwave dish antenna")
set(CPACK_PACKAGE_FILE_NAME ${PLANNER_ARTEFACT}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Dish Planner")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "Dish Planner")
set(CPACK_PACKAGE_EXECUTABLES dish-planner "Dish Planner")
set(CPACK_RESOURCE_FILE_LICENSE ${PLANNER_LICENCE})
set(CPACK_STRIP_FILES ON)

# The installer is a 64-bit Unicode program, like the planner: Debian's
# makensis makes a 32-bit one otherwise, which a 64-bit-only Windows (or
# Wine prefix) cannot run. CPack has no setting for it, so its own NSIS
# template gets the one line, here at configure time.
set(nsis_template ${CMAKE_ROOT}/Modules/Internal/CPack/NSIS.template.in)
set(nsis_first_line "; CPack install script designed for a nmake build")
file(READ ${nsis_template} template)
string(FIND "${template}" "${nsis_first_line}" at)
if(at LESS 0 OR at GREATER 3) # after the byte-order mark, if any
  message(FATAL_ERROR "${nsis_template} does not begin with \"${nsis_first_line}\": "
    "see where the 64-bit target line goes in this CMake's NSIS template")
endif()
string(REPLACE "${nsis_first_line}" "  Target amd64-unicode\n${nsis_first_line}" template
  "${template}")
file(WRITE ${PROJECT_BINARY_DIR}/cpack-nsis/NSIS.template.in "${template}")
set(CPACK_MODULE_PATH ${PROJECT_BINARY_DIR}/cpack-nsis)
set(CPACK_NSIS_PACKAGE_NAME "Dish Planner")
set(CPACK_NSIS_DISPLAY_NAME "Dish Planner")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_INSTALLED_ICON_NAME dish-planner.exe)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/resources/planner.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/resources/planner.ico)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
set(CPACK_NSIS_MUI_FINISHPAGE_RUN dish-planner.exe)
# The installer is named as such, the zip by its platform.
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_BINARY_DIR}/CPackWindows.cmake)
file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/CPackWindows.cmake CONTENT [[
if(CPACK_GENERATOR STREQUAL "NSIS")
  set(CPACK_PACKAGE_FILE_NAME @PLANNER_ARTEFACT@-setup)
endif()
]] @ONLY)
include(CPack)
