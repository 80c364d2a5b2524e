# Installing Lumo like any desktop program: the program, its menu entry, its
# icon in every size, AppStream metadata, the user guide and a man page; and
# a Debian package of the same files (cpack -G DEB).
include(GNUInstallDirs)

set(LUMO_APP_ID example.lumo.Lumo)
# The window names its menu entry, by which Wayland desktops find its icon.
target_compile_definitions(lumo PRIVATE LUMO_APP_ID="${LUMO_APP_ID}")
set(LUMO_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/lumo)
set(LUMO_INSTALL_FILES ${PROJECT_SOURCE_DIR}/res/install)

# The user guide also sits next to the built program, so that Help finds it
# in a build folder as it does in an installed copy.
file(GLOB LUMO_GUIDE_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/docs/guide/*)
add_custom_target(lumo_guide ALL
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${LUMO_GUIDE_FILES} ${PROJECT_BINARY_DIR}
  DEPENDS ${LUMO_GUIDE_FILES}
  COMMENT "Copying the user guide next to the program")

# The theme's icons are drawn from the program's own artwork at build time.
add_executable(lumo_make_icons ${LUMO_INSTALL_FILES}/make_icons.cpp)
target_link_libraries(lumo_make_icons PRIVATE lumo_gui)
set(LUMO_ICON_DIR ${PROJECT_BINARY_DIR}/icons/hicolor)
add_custom_command(
  OUTPUT ${LUMO_ICON_DIR}/256x256/apps/${LUMO_APP_ID}.png
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
          $<TARGET_FILE:lumo_make_icons> ${LUMO_ICON_DIR} ${LUMO_APP_ID}
  DEPENDS lumo_make_icons
  COMMENT "Drawing the program icon for the icon theme")
add_custom_target(lumo_icons ALL DEPENDS ${LUMO_ICON_DIR}/256x256/apps/${LUMO_APP_ID}.png)

install(TARGETS lumo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${LUMO_ICON_DIR} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${LUMO_INSTALL_FILES}/${LUMO_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${LUMO_INSTALL_FILES}/${LUMO_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# Man pages are installed compressed, as Debian's tools expect them.
add_custom_command(
  OUTPUT ${PROJECT_BINARY_DIR}/lumo.1.gz
  COMMAND gzip -9 -n -c ${LUMO_INSTALL_FILES}/lumo.1 > ${PROJECT_BINARY_DIR}/lumo.1.gz
  DEPENDS ${LUMO_INSTALL_FILES}/lumo.1)
add_custom_target(lumo_man_page ALL DEPENDS ${PROJECT_BINARY_DIR}/lumo.1.gz)
install(FILES ${PROJECT_BINARY_DIR}/lumo.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${LUMO_GUIDE_FILES} ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${LUMO_DOC_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${LUMO_DOC_DIR} RENAME copyright)

set(CPACK_PACKAGE_NAME lumo)
set(CPACK_PACKAGE_VENDOR "Brightfern Software")
set(CPACK_PACKAGE_CONTACT "Lumo developers <lumo-feedback@brightfern.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "browse and edit the disc names kept in cdplayer.ini")
set(CPACK_PACKAGE_DESCRIPTION
    "Lumo shows the collection kept in cdplayer.ini, the data file of the Windows 95 and NT CD player, as a tree of artists, albums and tracks, renames and deletes straight in the file, spots duplicate albums and writes HTML and CSV reports.")
set(CPACK_PACKAGE_VERSION 2.0~beta2)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's Wayland plugin: without it Lumo runs in a Wayland session only through
# XWayland. Qt's own texts (standard buttons, the file dialog) in the user's language,
# and a font with the Japanese glyphs (IPA Gothic first: its lines are no taller
# than the dialog font's, so Japanese labels keep to their height).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-wayland, qt6-translations-l10n, fonts-ipafont-gothic | fonts-noto-cjk")
include(CPack)
