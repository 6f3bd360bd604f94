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

# The Debian copyright file: the REUSE facts for the files that cannot
# carry a header, the licence of everything else, and where the licences are.
file(READ .reuse/dep5 dep5)
string(FIND "${dep5}" "\n\n" head_end)
string(SUBSTRING "${dep5}" 0 ${head_end} dep5_head)
math(EXPR files_start "${head_end} + 2")
string(SUBSTRING "${dep5}" ${files_start} -1 dep5_files)
file(WRITE ${packaging}/copyright "${dep5_head}
Upstream-Contact: ${PLANNER_MAINTAINER}

Files: *
Copyright: 2026 The Dish Planner developers
License: GPL-3.0-or-later

${dep5_files}
License: GPL-3.0-or-later
 This program is free software: you can redistribute it and/or modify it
 under the terms of the GNU General Public License as published by the Free
 Software Foundation, either version 3 of the License, or (at your option)
 any later version.
 .
 On Debian systems, the complete text of the GNU General Public License
 version 3 can be found in /usr/share/common-licenses/GPL-3.

License: BSD-3-Clause
 Redistribution and use in source and binary forms, with or without
 modification, are permitted provided that the following conditions are met:
 .
 1. Redistributions of source code must retain the above copyright notice,
 this list of conditions and the following disclaimer.
 .
 2. Redistributions in binary form must reproduce the above copyright notice,
 this list of conditions and the following disclaimer in the documentation
 and/or other materials provided with the distribution.
 .
 3. Neither the name of the copyright holder nor the names of its
 contributors may be used to endorse or promote products derived from this
 software without specific prior written permission.
 .
 THIS SOFTWARE IS PROVIDED BY THE COPYRIGHT HOLDERS AND CONTRIBUTORS \"AS IS\"
 AND ANY EXPRESS OR IMPLIED WARRANTIES, INCLUDING, BUT NOT LIMITED TO, THE
 IMPLIED WARRANTIES OF MERCHANTABILITY AND FITNESS FOR A PARTICULAR PURPOSE
 ARE DISCLAIMED. IN NO EVENT SHALL THE COPYRIGHT HOLDER OR CONTRIBUTORS BE
 LIABLE FOR ANY DIRECT, INDIRECT, INCIDENTAL, SPECIAL, EXEMPLARY, OR
 CONSEQUENTIAL DAMAGES (INCLUDING, BUT NOT LIMITED TO, PROCUREMENT OF
 SUBSTITUTE GOODS OR SERVICES; LOSS OF USE, DATA, OR PROFITS; OR BUSINESS
 INTERRUPTION) HOWEVER CAUSED AND ON ANY THEORY OF LIABILITY, WHETHER IN
 CONTRACT, STRICT LIABILITY, OR TORT (INCLUDING NEGLIGENCE OR OTHERWISE)
 ARISING IN ANY WAY OUT OF THE USE OF THIS SOFTWARE, EVEN IF ADVISED OF THE
 POSSIBILITY OF SUCH DAMAGE.

License: CC0-1.0
 To the extent possible under law, the authors have dedicated all copyright
 and related and neighbouring rights to this work to the public domain
 worldwide.
 .
 On Debian systems, the complete text of the CC0 1.0 Universal licence can
 be found in /usr/share/common-licenses/CC0-1.0.
")

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
