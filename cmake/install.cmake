# install.cmake -- `cmake --install` lays the game out as Debian lays out
# games, and CPack packs that layout into a .deb: `cmake --build build
# --target package` writes build/zarnok_<version>_<arch>.deb.
#
#   <prefix>/games/zarnok, zarnok-level,       the programs
#                  zarnok-editor
#   <prefix>/share/games/zarnok/               Data.dat and the two sounds
#   <prefix>/share/applications, metainfo, icons/hicolor, man/man6, doc/zarnok
#
# The game finds its data as ../share/games/zarnok from its own folder, so an
# install under any prefix, or the package unpacked anywhere, runs as it is.
include(GNUInstallDirs)

# One application id names the desktop entry, the metainfo and the icon.
set(ZARNOK_APP_ID io.github.zarnok.Zarnok)
set(ZARNOK_INSTALL_GAMESDIR games)
set(ZARNOK_INSTALL_GAMEDATADIR ${CMAKE_INSTALL_DATADIR}/games/zarnok)
set(ZARNOK_INSTALL_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/zarnok)

# --- The icon: zarnok-spritegen --icons resources/icons/hicolor -------------
# Its PNG files go out through Qt's image writer; without Qt the painter
# still builds and paints the sprites.
if(TARGET zarnok-spritegen AND TARGET Qt6::Gui)
  target_sources(zarnok-spritegen PRIVATE ${CMAKE_SOURCE_DIR}/tools/spritegen/qt/icon_png.cpp)
  target_link_libraries(zarnok-spritegen PRIVATE Qt6::Gui)
  target_compile_definitions(zarnok-spritegen PRIVATE ZARNOK_SPRITEGEN_ICONS=1)
  if(TARGET test_icon_assets_test)
    add_dependencies(test_icon_assets_test zarnok-spritegen)
  endif()
endif()

# --- Documents Debian asks for: gzipped manual pages and changelog, the
# copyright file made from LICENSE --------------------------------------
set(ZARNOK_PACKAGE_DOCS ${CMAKE_BINARY_DIR}/package-docs)
set(ZARNOK_GZIPPED)
foreach(source resources/man/zarnok.6 resources/man/zarnok-level.6 resources/man/zarnok-editor.6
               resources/debian/changelog)
  get_filename_component(name ${source} NAME)
  set(gzipped ${ZARNOK_PACKAGE_DOCS}/${name}.gz)
  # -n: no name or time stamp inside, so the same page gives the same bytes.
  add_custom_command(
    OUTPUT ${gzipped}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${ZARNOK_PACKAGE_DOCS}
    COMMAND sh -c "gzip -9n -c \"$0\" > \"$1\"" ${CMAKE_SOURCE_DIR}/${source} ${gzipped}
    DEPENDS ${CMAKE_SOURCE_DIR}/${source}
    VERBATIM)
  list(APPEND ZARNOK_GZIPPED ${gzipped})
endforeach()
# The Russian manual pages, beside the English ones.
foreach(name zarnok.6 zarnok-level.6 zarnok-editor.6)
  set(gzipped ${ZARNOK_PACKAGE_DOCS}/ru/${name}.gz)
  add_custom_command(
    OUTPUT ${gzipped}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${ZARNOK_PACKAGE_DOCS}/ru
    COMMAND sh -c "gzip -9n -c \"$0\" > \"$1\"" ${CMAKE_SOURCE_DIR}/resources/man/ru/${name}
            ${gzipped}
    DEPENDS ${CMAKE_SOURCE_DIR}/resources/man/ru/${name}
    VERBATIM)
  list(APPEND ZARNOK_GZIPPED ${gzipped})
endforeach()
add_custom_target(zarnok_package_docs ALL DEPENDS ${ZARNOK_GZIPPED})

# Debian's machine-readable copyright: the licence text of LICENSE, each line
# indented by one space and blank lines written as " .".
file(READ ${CMAKE_SOURCE_DIR}/LICENSE ZARNOK_LICENSE)
string(REGEX MATCH "Copyright \\(c\\) ([^\n]*)" ZARNOK_COPYRIGHT_LINE "${ZARNOK_LICENSE}")
set(ZARNOK_COPYRIGHT_HOLDERS "${CMAKE_MATCH_1}")
string(REGEX REPLACE "^.*Copyright \\(c\\) [^\n]*\n+" "" ZARNOK_LICENSE_TERMS "${ZARNOK_LICENSE}")
string(STRIP "${ZARNOK_LICENSE_TERMS}" ZARNOK_LICENSE_TERMS)
string(REGEX REPLACE "\n\n" "\n.\n" ZARNOK_LICENSE_TERMS "${ZARNOK_LICENSE_TERMS}")
string(REPLACE "\n" "\n " ZARNOK_LICENSE_TERMS " ${ZARNOK_LICENSE_TERMS}")
configure_file(${CMAKE_SOURCE_DIR}/resources/debian/copyright.in ${ZARNOK_PACKAGE_DOCS}/copyright @ONLY)

# --- What is installed: the game and the level tool, nothing else built here
if(TARGET zarnok AND TARGET zarnok-level)
  install(TARGETS zarnok zarnok-level RUNTIME DESTINATION ${ZARNOK_INSTALL_GAMESDIR})
  # Every symbol bound at start, so the relocations can all be read-only.
  target_link_options(zarnok PRIVATE -Wl,-z,now)
  target_link_options(zarnok-level PRIVATE -Wl,-z,now)
  install(FILES ${ZARNOK_DATA_FILE} ${CMAKE_SOURCE_DIR}/resources/sounds/ZARNOKF.wav
                ${CMAKE_SOURCE_DIR}/resources/sounds/collect.wav
          DESTINATION ${ZARNOK_INSTALL_GAMEDATADIR})
  install(FILES ${CMAKE_SOURCE_DIR}/resources/desktop/${ZARNOK_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  # The level editor: its own entry, the game's icon.
  if(TARGET zarnok-editor)
    install(TARGETS zarnok-editor RUNTIME DESTINATION ${ZARNOK_INSTALL_GAMESDIR})
    target_link_options(zarnok-editor PRIVATE -Wl,-z,now)
    install(FILES ${CMAKE_SOURCE_DIR}/resources/desktop/${ZARNOK_APP_ID}.Editor.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  endif()
  install(FILES ${CMAKE_SOURCE_DIR}/resources/desktop/${ZARNOK_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(DIRECTORY ${CMAKE_SOURCE_DIR}/resources/icons/hicolor
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
  install(FILES ${ZARNOK_PACKAGE_DOCS}/zarnok.6.gz ${ZARNOK_PACKAGE_DOCS}/zarnok-level.6.gz
                ${ZARNOK_PACKAGE_DOCS}/zarnok-editor.6.gz
          DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
  install(FILES ${ZARNOK_PACKAGE_DOCS}/ru/zarnok.6.gz ${ZARNOK_PACKAGE_DOCS}/ru/zarnok-level.6.gz
                ${ZARNOK_PACKAGE_DOCS}/ru/zarnok-editor.6.gz
          DESTINATION ${CMAKE_INSTALL_MANDIR}/ru/man6)
  install(FILES ${CMAKE_SOURCE_DIR}/README.md ${CMAKE_SOURCE_DIR}/LICENSE
                ${ZARNOK_PACKAGE_DOCS}/copyright ${ZARNOK_PACKAGE_DOCS}/changelog.gz
          DESTINATION ${ZARNOK_INSTALL_DOCDIR})

  # The installed game in a staging prefix, with a player's folder of its own.
  add_test(NAME installed_game
           COMMAND bash ${CMAKE_SOURCE_DIR}/tests/install/installed_game_test.sh
                   --install ${CMAKE_BINARY_DIR})
  set_tests_properties(installed_game PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen
                       TIMEOUT 120)
endif()

# --- The Debian package --------------------------------------------------
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zarnok)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Zarnok team")
set(CPACK_PACKAGE_CONTACT "The Zarnok team <zarnok@users.noreply.github.com>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # zarnok_<version>_<arch>.deb
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://github.com/zarnok/zarnok)
# The libraries come from dpkg-shlibdeps; the window needs Qt's platform
# plugins and the HUD its font, which no library pulls in for certain.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "side-scrolling action game: a soldier against swamp mosquitoes
A soldier with an assault rifle crosses six swamp levels: he walks and
jumps over ledges and stone blocks, shoots the mosquitoes that swarm out of
their nests, switches on repellent devices that clear the air and collects
pickups for points. Pits and bites end the game; the best score is kept
with its holder's name. The game speaks Russian or English.

The package also holds zarnok-level, which compiles and checks level
files, and zarnok-editor, which draws a level as the game does and edits
and test-plays it, so players can make levels of their own.")
include(CPack)
