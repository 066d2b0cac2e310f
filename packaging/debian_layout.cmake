# Run by CPack on the staged tree just before the .deb is made: Debian wants a
# game's command in /usr/games, and manual pages and change logs compressed.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
    return()
endif()

set(usr ${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr)
file(MAKE_DIRECTORY ${usr}/games)
file(RENAME ${usr}/bin/cavern ${usr}/games/cavern)
execute_process(COMMAND rmdir ${usr}/bin COMMAND_ERROR_IS_FATAL ANY)

# The command is on every PATH there: the entry names it alone, as Debian's menus expect.
file(GLOB entries ${usr}/share/applications/*.desktop)
foreach(entry ${entries})
    file(READ ${entry} text)
    string(REGEX REPLACE "\nExec=[^\n]*" "\nExec=cavern" text "${text}")
    file(WRITE ${entry} "${text}")
endforeach()

execute_process(COMMAND gzip -9n ${usr}/share/man/man6/cavern.6 COMMAND_ERROR_IS_FATAL ANY)
# A package without a Debian revision is native: its change log is changelog.gz.
file(COPY ${CMAKE_CURRENT_LIST_DIR}/changelog DESTINATION ${usr}/share/doc/cavern)
execute_process(COMMAND gzip -9n ${usr}/share/doc/cavern/changelog COMMAND_ERROR_IS_FATAL ANY)

# What dh_strip takes out too: the compiler's name and version.
execute_process(COMMAND strip --remove-section=.comment --remove-section=.note ${usr}/lib/games/cavern/cavern
    COMMAND_ERROR_IS_FATAL ANY)
