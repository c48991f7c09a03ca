# Install rules and the Debian package.
#
# Layout under the prefix: bin/lumo and bin/lumo-cli; share/lumo/ the five databases
# (found at run time as ../share/lumo beside the program); the desktop entry, the AppStream
# metainfo, the icon in the hicolor theme and the lumo-cli man page in their usual places.
include(GNUInstallDirs)

set(linux ${PROJECT_SOURCE_DIR}/resources/linux)

install(TARGETS lumo-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET lumo)
  install(TARGETS lumo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
foreach(name Voduzid KelFile KelBirth dream Tgcode)
  install(FILES ${LUMO_BIN_DIR}/${name}.dll DESTINATION ${CMAKE_INSTALL_DATADIR}/lumo)
endforeach()

# The desktop entry starts the program by name, so it works from any prefix on PATH.
set(LUMO_DESKTOP_EXEC lumo)
configure_file(${linux}/lumo.desktop.in ${CMAKE_BINARY_DIR}/${LUMO_APP_ID}.desktop @ONLY)
configure_file(${linux}/lumo.metainfo.xml.in ${CMAKE_BINARY_DIR}/${LUMO_APP_ID}.metainfo.xml @ONLY)
if(TARGET lumo)
  install(FILES ${CMAKE_BINARY_DIR}/${LUMO_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${CMAKE_BINARY_DIR}/${LUMO_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

set(icons ${PROJECT_SOURCE_DIR}/resources/icons)
install(FILES ${icons}/lumo.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${LUMO_APP_ID}.svg)
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES ${icons}/hicolor/${size}x${size}/apps/lumo.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${LUMO_APP_ID}.png)
endforeach()

# The man page is written by hand; installed compressed as Debian wants it.
set(man_gz ${CMAKE_BINARY_DIR}/lumo-cli.1.gz)
add_custom_command(OUTPUT ${man_gz}
  COMMAND gzip -9n -c ${linux}/lumo-cli.1 > ${man_gz}
  DEPENDS ${linux}/lumo-cli.1
  VERBATIM)
add_custom_target(lumo_man_page ALL DEPENDS ${man_gz})
install(FILES ${man_gz} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# Debian package: cpack -G DEB in the build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lumo)
set(CPACK_PACKAGE_VENDOR "Lumo")
set(CPACK_PACKAGE_CONTACT "Lumo developers <lumo@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Chinese birth-time readings and baby naming")
set(CPACK_PACKAGE_DESCRIPTION
  "Lumo writes BaZi reports, analyses Chinese names by their stroke counts, proposes\n given names and offers a lunar calendar and an almanac. lumo-cli prints every report\n on the terminal.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_STRIP_FILES ON)
# dpkg-shlibdeps finds the Qt, SQLite and C++ runtime libraries the programs link; the
# CJK font is needed for the reports' characters and is named by hand.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk, qt6-qpa-plugins")
include(CPack)
