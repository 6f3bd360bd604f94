# Where `cmake --install` puts the program on Linux, and the .deb CPack
# makes of it.
include(GNUInstallDirs)

install(TARGETS dish-planner RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES resources/${PLANNER_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES resources/${PLANNER_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 32 48)
  install(FILES resources/planner-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${PLANNER_APP_ID}.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME dish-planner)
set(CPACK_PACKAGE_VERSION ${PLANNER_VERSION_TEXT})
set(CPACK_PACKAGE_CONTACT "Dish planner developers <dish-planner@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "focal length, gain and profile of a microwave dish antenna")
set(CPACK_PACKAGE_DESCRIPTION
    "A one-window calculator for radio amateurs who build parabolic dish antennas.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window needs a platform plugin, which no library links to.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_STRIP_FILES ON)
include(CPack)
