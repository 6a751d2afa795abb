# What `cmake --install` puts on an engineer's machine, and the Debian package made
# from it with `cpack -G DEB`. The data folder goes in as a template: each user's
# own writable copy is made from it at first use (share/velni2qx/PATDAT beside bin/).
include(GNUInstallDirs)

install(TARGETS velni2qx-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(VELNI_BUILD_SHELL)
  install(TARGETS velni2qx RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/PATDAT/ DESTINATION ${CMAKE_INSTALL_DATADIR}/velni2qx/PATDAT)
# The bundled sample survey: five borings of two sites, as a batch takes them.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/survey/ DESTINATION ${CMAKE_INSTALL_DATADIR}/velni2qx/sample)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/velni2qx.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/velni2qx.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The address that answers for the package; a site that builds its own package
# sets its own.
set(VELNI_PACKAGE_MAINTAINER "velni2qx maintainers <velni2qx-maintainers@users.noreply.github.com>"
  CACHE STRING "Maintainer of the Debian package (name <address>)")

# Manual pages and the change log go in compressed (gzip -n: no name or time in the
# header, so that the same sources give the same package).
set(VELNI_COMPRESSED_DOCS)
foreach(page velni2qx velni2qx-cli)
  configure_file(${PROJECT_SOURCE_DIR}/packaging/${page}.1.in ${PROJECT_BINARY_DIR}/man/${page}.1 @ONLY)
  list(APPEND VELNI_COMPRESSED_DOCS ${PROJECT_BINARY_DIR}/man/${page}.1)
  install(FILES ${PROJECT_BINARY_DIR}/man/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
configure_file(${PROJECT_SOURCE_DIR}/packaging/doc/changelog.in ${PROJECT_BINARY_DIR}/doc/changelog @ONLY)
list(APPEND VELNI_COMPRESSED_DOCS ${PROJECT_BINARY_DIR}/doc/changelog)
foreach(document ${VELNI_COMPRESSED_DOCS})
  add_custom_command(OUTPUT ${document}.gz COMMAND gzip -9nkf ${document} DEPENDS ${document} VERBATIM)
  list(APPEND VELNI_COMPRESSED_OUTPUTS ${document}.gz)
endforeach()
add_custom_target(compressed-docs ALL DEPENDS ${VELNI_COMPRESSED_OUTPUTS})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/lintian/velni2qx DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides)
install(FILES ${PROJECT_BINARY_DIR}/doc/changelog.gz ${PROJECT_SOURCE_DIR}/packaging/doc/copyright
  DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_PACKAGE_NAME velni2qx)
set(CPACK_PACKAGE_VENDOR velni2qx)
set(CPACK_PACKAGE_CONTACT "${VELNI_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Borehole-log converter (VELNI柱状図 -> Qx): window and command line")
set(CPACK_PACKAGE_DESCRIPTION
  "Converts borehole logs (three Shift-JIS comma-separated files per boring)\ninto the ten fixed-format text files of the target system.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# The libraries the programs link come from dpkg-shlibdeps; the Japanese font is
# what the window's captions need to be readable, and the PDF pictures embed a
# subset of exactly this font (ipag.ttf), so no other font package stands in.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The PDF pictures embed IPAGothic; the window's icon is an SVG drawn by Qt's SVG
# plugin, which is loaded, not linked; Qt's own dialogs speak Japanese through its
# translations, which are loaded too.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, libqt6svg6, qt6-translations-l10n")
include(CPack)
