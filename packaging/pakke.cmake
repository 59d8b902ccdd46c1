# Desktop integration and the Debian package. Included from the top-level
# CMakeLists.txt so CPack's configuration lands in the top build folder.

set(MARVIKEL_PAKKE ${CMAKE_SOURCE_DIR}/packaging)

# The desktop entry, the icon in every size and the software-centre metadata.
install(FILES ${MARVIKEL_PAKKE}/marvikel.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${MARVIKEL_PAKKE}/dk.marvikel.Marvikel.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${MARVIKEL_PAKKE}/marvikel.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(stoerrelse 16 32 48 64 128 256)
  install(FILES ${MARVIKEL_PAKKE}/png/marvikel-${stoerrelse}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${stoerrelse}x${stoerrelse}/apps
          RENAME marvikel.png)
endforeach()

# Debian wants the manual page and the changelog compressed, reproducibly.
find_program(GZIP_PROGRAM gzip REQUIRED)
set(MARVIKEL_PAKKET ${CMAKE_BINARY_DIR}/pakket)
add_custom_command(
  OUTPUT ${MARVIKEL_PAKKET}/marvikel.1.gz ${MARVIKEL_PAKKET}/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${MARVIKEL_PAKKET}
  COMMAND ${CMAKE_COMMAND} -E copy ${MARVIKEL_PAKKE}/marvikel.1 ${MARVIKEL_PAKKE}/changelog ${MARVIKEL_PAKKET}
  COMMAND ${GZIP_PROGRAM} -9nf ${MARVIKEL_PAKKET}/marvikel.1 ${MARVIKEL_PAKKET}/changelog
  DEPENDS ${MARVIKEL_PAKKE}/marvikel.1 ${MARVIKEL_PAKKE}/changelog
  COMMENT "Compressing the manual page and the changelog"
  VERBATIM)
add_custom_target(pakkedokumenter ALL DEPENDS ${MARVIKEL_PAKKET}/marvikel.1.gz ${MARVIKEL_PAKKET}/changelog.gz)
install(FILES ${MARVIKEL_PAKKET}/marvikel.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${MARVIKEL_PAKKE}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/marvikel)
install(FILES ${MARVIKEL_PAKKET}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/marvikel
        RENAME changelog.gz)

# The installed program starts, finds its shipped folder and ends cleanly.
add_test(NAME tst_installation
         COMMAND sh ${CMAKE_SOURCE_DIR}/tests/installation/installation.sh ${CMAKE_BINARY_DIR})
set_tests_properties(tst_installation PROPERTIES TIMEOUT 120)

# `cpack -G DEB` in the build folder makes the package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME marvikel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Marvikel-udviklerne")
set(CPACK_PACKAGE_CONTACT "Marvikel-udviklerne <udviklere@marvikel.dk>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Danish file manager for paths, folders and files")
set(CPACK_PACKAGE_DESCRIPTION
    "Marvikel is a file manager with a Danish user interface. One main window\n\
hosts explorer windows with a folder tree, a file tree and a path box, lists\n\
of visited and favourite folders, and copy lists from which elements are\n\
copied, cut and pasted under four overwrite rules, with the desktop's trash\n\
and tool windows.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://marvikel.dk/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the libraries do not tell: Qt's platform plugins and its Danish
# translations and the desktop tools the program calls; the SVG icon engine
# draws the themes' scalable icons.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, qt6-translations-l10n, xdg-utils, shared-mime-info, hicolor-icon-theme")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "x-terminal-emulator, dbus-user-session, libqt6svg6")
include(CPack)
