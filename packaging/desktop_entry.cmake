# Run at install time: the desktop entry names the installed launcher by its full path, so
# the menu starts it whatever PATH holds (a per-user prefix's bin is often not on it).
# The Debian package puts its own Exec=cavern back (debian_layout.cmake).
set(launcher "${CMAKE_INSTALL_PREFIX}/bin/cavern")
if(NOT launcher MATCHES "^/[A-Za-z0-9_./+-]*$")
    # Quoted as desktop entries quote an argument, then escaped as their strings are.
    string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" launcher "${launcher}")
    string(REPLACE "\\" "\\\\" launcher "\"${launcher}\"")
endif()
file(READ "${CAVERN_DESKTOP_ENTRY}" entry)
string(REGEX MATCH "\nExec=[^\n]*" exec "${entry}")
string(REPLACE "${exec}" "\nExec=${launcher}" entry "${entry}")
get_filename_component(name "${CAVERN_DESKTOP_ENTRY}" NAME)
file(WRITE "${CAVERN_DESKTOP_STAGE}/${name}" "${entry}")
file(INSTALL "${CAVERN_DESKTOP_STAGE}/${name}" DESTINATION "${CMAKE_INSTALL_PREFIX}/share/applications")
