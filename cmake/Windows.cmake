# The Windows build, configured with cmake/MingwToolchain.cmake: the same game on the
# SDL 1.2 and SDL_mixer that tools/windows/build_libraries.sh cross-builds, all linked
# into one program that needs only Windows' own libraries, and shipped as a zip.
set(CAVERN_WINDOWS_LIBRARIES "" CACHE PATH "Where the cross-built SDL and SDL_mixer are installed")
if(NOT EXISTS ${CAVERN_WINDOWS_LIBRARIES}/include/SDL/SDL_mixer.h)
    message(FATAL_ERROR "No cross-built SDL_mixer under CAVERN_WINDOWS_LIBRARIES (${CAVERN_WINDOWS_LIBRARIES})")
endif()

add_library(game_windows STATIC
    shell/platform/platform_sdl.cpp shell/platform/event_queue.cpp shell/platform/game_pad.cpp
    shell/platform/pad_sdl.cpp shell/platform/sound_sdl.cpp)
target_include_directories(game_windows PUBLIC ${CAVERN_WINDOWS_LIBRARIES}/include/SDL)
target_link_libraries(game_windows PUBLIC game PRIVATE cavern_warnings)
# Classic SDL reads pads through Windows' own joystick driver, with its button numbers.
target_compile_definitions(game_windows PRIVATE PAD_LAYOUT=WindowsPad)

# WIN32: a program of the desktop, without a console window. SDL's start-up library,
# linked before SDL, holds WinMain and sends standard output and error to files.
add_executable(cavern WIN32 shell/platform/sdl_main.cpp)
target_link_directories(cavern PRIVATE ${CAVERN_WINDOWS_LIBRARIES}/lib)
target_link_libraries(cavern PRIVATE game_windows cavern_warnings
    mingw32 SDLmain SDL_mixer SDL opengl32 winmm gdi32 user32 dxguid)
target_link_options(cavern PRIVATE -static -s)
set_target_properties(cavern PROPERTIES OUTPUT_NAME Cavern RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

# Unzipped anywhere, the folder is the game: the program, its data and a page for the player.
set(ZIP_NAME cavern-${PROJECT_VERSION}-windows-x86_64)
set(ZIP_ROOT ${CMAKE_BINARY_DIR}/${ZIP_NAME})
file(GLOB_RECURSE DATA_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/*)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/${ZIP_NAME}.zip
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${ZIP_ROOT}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${ZIP_ROOT}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:cavern> ${ZIP_ROOT}/Cavern.exe
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/data ${ZIP_ROOT}/data
    # Windows' Notepad before 2018 shows a file without carriage returns as one line.
    COMMAND sed "s/$/\\r/" ${CMAKE_SOURCE_DIR}/packaging/windows/README.txt > ${ZIP_ROOT}/README.txt
    COMMAND ${CMAKE_COMMAND} -E chdir ${CMAKE_BINARY_DIR}
        ${CMAKE_COMMAND} -E tar cf ${ZIP_NAME}.zip --format=zip ${ZIP_NAME}
    DEPENDS cavern ${DATA_FILES} ${CMAKE_SOURCE_DIR}/packaging/windows/README.txt
    VERBATIM)
add_custom_target(windows_zip ALL DEPENDS ${CMAKE_BINARY_DIR}/${ZIP_NAME}.zip)
