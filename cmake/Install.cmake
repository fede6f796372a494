# Installs QHE32 as a desktop application: the program, its desktop entry, icon, AppStream
# metainfo and manual page; `cpack -G DEB` packs the same tree into a Debian package.
include(GNUInstallDirs)

# The desktop entry id; src/platform/Paths.h holds the same name for the program.
set(QHE32_DESKTOP_ID org.qhe32.QHE32)
set(packaging ${PROJECT_SOURCE_DIR}/packaging)

install(TARGETS qhe32 RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${packaging}/${QHE32_DESKTOP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging}/${QHE32_DESKTOP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The PNGs are rendered from the SVG and committed (rsvg-convert -w N -h N), so building needs
# no SVG tool.
set(icons ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${packaging}/icons/${QHE32_DESKTOP_ID}.svg DESTINATION ${icons}/scalable/apps)
foreach(size 48 256)
  install(FILES ${packaging}/icons/${QHE32_DESKTOP_ID}-${size}.png DESTINATION ${icons}/${size}x${size}/apps
          RENAME ${QHE32_DESKTOP_ID}.png)
endforeach()

set(VERSION ${PROJECT_VERSION})
configure_file(${packaging}/qhe32.1 ${CMAKE_CURRENT_BINARY_DIR}/qhe32.1 @ONLY)
# Manual pages are installed compressed, without name or time stamp (so the package is the same
# for the same sources).
add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/qhe32.1.gz
                   COMMAND gzip -9nkf ${CMAKE_CURRENT_BINARY_DIR}/qhe32.1
                   DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/qhe32.1 VERBATIM)
add_custom_target(manual_page ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/qhe32.1.gz)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/qhe32.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The Debian package: runtime dependencies computed by dpkg-shlibdeps from the program's
# libraries; the Chinese font and Qt's own translations make the texts readable.
set(CPACK_PACKAGE_NAME qhe32)
set(CPACK_PACKAGE_VENDOR "The QHE32 developers")
set(CPACK_PACKAGE_CONTACT "The QHE32 developers <qhe32@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "hex editor for whole files held in memory")
set(CPACK_PACKAGE_DESCRIPTION "QHE32 shows a file as address column, hex pane and text pane and \
edits it in memory: find and replace, bookmarks, data tools, scripts (also as a batch tool) and printing.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-microhei, qt6-translations-l10n")
set(CPACK_GENERATOR DEB)
include(CPack)
