# Installing and packaging the game the way Linux desktop games are: the game
# and its data in their own folders, a launcher that runs it in a per-user
# folder, a desktop entry, icons, metadata and a manual page.
set(CAVERN_VERSION ${PROJECT_VERSION})
set(CAVERN_RELEASE_DATE 2026-12-07)
set(CAVERN_APP_ID org.example.cavern)
set(CAVERN_ICON_SIZES 16 32 48 64 128 256)
set(CAVERN_CONTACT "Cavern developers <cavern@example.org>")

# The icons are drawn from the shipped art, so they follow every change to it.
file(GLOB_RECURSE CAVERN_DATA_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/*)
set(icon_requests)
set(icon_files)
foreach(size ${CAVERN_ICON_SIZES})
    set(icon ${CMAKE_BINARY_DIR}/icons/${size}x${size}/apps/${CAVERN_APP_ID}.png)
    list(APPEND icon_requests ${size} ${icon})
    list(APPEND icon_files ${icon})
    file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/icons/${size}x${size}/apps)
endforeach()
add_custom_command(OUTPUT ${icon_files}
    COMMAND make_icons ${icon_requests}
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
    DEPENDS make_icons ${CAVERN_DATA_FILES}
    COMMENT "Drawing the icons from the player's figure")
add_custom_target(icons ALL DEPENDS ${icon_files})

configure_file(${CMAKE_SOURCE_DIR}/packaging/${CAVERN_APP_ID}.metainfo.xml.in
    ${CMAKE_BINARY_DIR}/packaging/${CAVERN_APP_ID}.metainfo.xml @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/packaging/cavern.sh.in ${CMAKE_BINARY_DIR}/packaging/cavern @ONLY)

# The launcher finds the game and its data from its own place: keep these
# three destinations in step with packaging/cavern.sh.in.
install(TARGETS cavern RUNTIME DESTINATION lib/games/cavern)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data DESTINATION share/cavern)
install(PROGRAMS ${CMAKE_BINARY_DIR}/packaging/cavern DESTINATION bin)

install(CODE "set(CAVERN_DESKTOP_ENTRY \"${CMAKE_SOURCE_DIR}/packaging/${CAVERN_APP_ID}.desktop\")
    set(CAVERN_DESKTOP_STAGE \"${CMAKE_BINARY_DIR}/packaging\")")
install(SCRIPT ${CMAKE_SOURCE_DIR}/packaging/desktop_entry.cmake)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${CAVERN_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(DIRECTORY ${CMAKE_BINARY_DIR}/icons/ DESTINATION share/icons/hicolor)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/cavern.6 DESTINATION share/man/man6)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/lintian-overrides DESTINATION share/lintian/overrides RENAME cavern)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright ${CMAKE_SOURCE_DIR}/packaging/README
    DESTINATION share/doc/cavern)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME cavern)
set(CPACK_PACKAGE_VERSION ${CAVERN_VERSION})
set(CPACK_PACKAGE_CONTACT ${CAVERN_CONTACT})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "side-view action game in a maze of fifty rooms")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://cavern.example.org/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# SDL opens libGL.so.1 itself when it sets the video mode, where dpkg-shlibdeps
# cannot see it; everything else comes from the libraries the game links. Of
# the two SDL 1.2 libraries, the compatibility one is what the game is tested
# with and what scales its picture to the screen: it provides the classic
# library's package name, which dpkg-shlibdeps writes.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libgl1, libsdl1.2-compat-shim (>= 1.2.60)")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Run, jump, crouch, drop through platforms, climb ladders and shoot in eight
directions through a maze of fifty rooms joined by doors, against enemies of
eighteen kinds. Played full screen with the keyboard alone.")
# Debian's own rules for games: the command in /usr/games, the manual page
# and the change log compressed.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/packaging/debian_layout.cmake)
include(CPack)
