# SPDX-FileCopyrightText: 2026 The Dish Planner developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Where `cmake --install` puts the program on Linux, and the .deb CPack
# makes of it: the program, its desktop entry, icons, metainfo, manual page,
# changelog and machine-readable copyright, all from the project's own facts
# (version, application id, maintainer, release date, .reuse/dep5).
include(GNUInstallDirs)

set(packaging ${PROJECT_BINARY_DIR}/packaging)
execute_process(COMMAND date -R -u -d "${PLANNER_RELEASE_DATE}"
                OUTPUT_VARIABLE PLANNER_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE)
configure_file(resources/${PLANNER_APP_ID}.metainfo.xml.in
               ${packaging}/${PLANNER_APP_ID}.metainfo.xml @ONLY)
configure_file(man/dish-planner.1.in ${packaging}/dish-planner.1 @ONLY)
configure_file(packaging/changelog.in ${packaging}/changelog @ONLY)

# The Debian copyright file (packaging/copyright.in): the REUSE facts of
# .reuse/dep5 whole, its header paragraph first and its Files paragraphs
# after "Files: *" (the last paragraph that matches a file is the one that
# counts), and a paragraph for every licence they name.
file(READ .reuse/dep5 dep5)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS .reuse/dep5)
string(STRIP "${dep5}" dep5)
string(FIND "${dep5}" "\n\nFiles:" files_at)
if(files_at LESS 0)
  message(FATAL_ERROR ".reuse/dep5: no Files paragraph after its header")
endif()
string(SUBSTRING "${dep5}" 0 ${files_at} PLANNER_DEP5_HEADER)
math(EXPR files_at "${files_at} + 2")
string(SUBSTRING "${dep5}" ${files_at} -1 PLANNER_DEP5_FILES)
if(NOT PLANNER_DEP5_HEADER MATCHES "^Format: [^\n]+\nUpstream-Name: [^\n]+$")
  message(FATAL_ERROR ".reuse/dep5: its header holds more than Format and Upstream-Name, "
    "which the copyright file would lose:\n${PLANNER_DEP5_HEADER}")
endif()
configure_file(packaging/copyright.in ${packaging}/copyright @ONLY)
file(READ ${packaging}/copyright copyright)
string(REGEX MATCHALL "\nLicense: [^\n]+" named "${PLANNER_DEP5_FILES}\nLicense: GPL-3.0-or-later")
foreach(licence IN LISTS named)
  string(FIND "${copyright}" "\n${licence}\n " text_at)
  if(text_at LESS 0)
    string(STRIP "${licence}" licence)
    message(FATAL_ERROR "packaging/copyright.in has no paragraph for \"${licence}\"")
  endif()
endforeach()

# Compressed without a timestamp, so that the package builds the same twice.
foreach(doc dish-planner.1 changelog)
  add_custom_command(OUTPUT ${packaging}/${doc}.gz
    COMMAND gzip -9nc ${packaging}/${doc} > ${packaging}/${doc}.gz
    DEPENDS ${packaging}/${doc} VERBATIM)
endforeach()
add_custom_target(packaging-docs ALL
  DEPENDS ${packaging}/dish-planner.1.gz ${packaging}/changelog.gz)

install(TARGETS dish-planner RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES resources/${PLANNER_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging}/${PLANNER_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 32 48 64 128 256)
  install(FILES resources/planner-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${PLANNER_APP_ID}.png)
endforeach()
install(FILES resources/planner.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${PLANNER_APP_ID}.svg)
install(FILES ${packaging}/dish-planner.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${packaging}/changelog.gz ${packaging}/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/dish-planner)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME dish-planner)
set(CPACK_PACKAGE_VERSION ${PLANNER_VERSION_TEXT})
set(CPACK_PACKAGE_CONTACT "${PLANNER_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "focal length, gain and profile of a microwave dish antenna")
set(CPACK_PACKAGE_DESCRIPTION
    "A one-window calculator for radio amateurs who build parabolic dish
antennas: set the frequency, the dish diameter and its depth with three
scroll bars, and it shows the focal length, the F/D ratio, the gain and
the depth of the dish at every inch of radius.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window needs a platform plugin, which no library links to.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
