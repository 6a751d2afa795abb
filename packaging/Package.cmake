# What `cmake --install` puts on an engineer's machine, and the Debian package made
# from it with `cpack -G DEB`. The data folder goes in as a template: each user's
# own writable copy is made from it at first use (share/velni2qx/PATDAT beside bin/).
include(GNUInstallDirs)

install(TARGETS velni2qx-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(VELNI_BUILD_SHELL)
  install(TARGETS velni2qx RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/PATDAT/ DESTINATION ${CMAKE_INSTALL_DATADIR}/velni2qx/PATDAT)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/sample/ DESTINATION ${CMAKE_INSTALL_DATADIR}/velni2qx/sample)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/velni2qx.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/velni2qx.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

foreach(page velni2qx velni2qx-cli)
  configure_file(${PROJECT_SOURCE_DIR}/packaging/${page}.1.in ${PROJECT_BINARY_DIR}/man/${page}.1 @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/man/${page}.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

set(CPACK_PACKAGE_NAME velni2qx)
set(CPACK_PACKAGE_VENDOR velni2qx)
set(CPACK_PACKAGE_CONTACT "velni2qx maintainers <velni2qx@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Borehole-log converter (VELNI柱状図 -> Qx): window and command line")
set(CPACK_PACKAGE_DESCRIPTION
  "Converts borehole logs (three Shift-JIS comma-separated files per boring) into the ten fixed-format text files of the target system.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# The libraries the programs link come from dpkg-shlibdeps; the Japanese font is
# what the window's captions need to be readable, and the PDF pictures embed a
# subset of exactly this font (ipag.ttf), so no other font package stands in.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic")
include(CPack)
