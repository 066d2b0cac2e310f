# The browser build, configured by emcmake: the same game on Emscripten's own SDL 1.2
# and GL emulation, as a static site in site/: the page, the script, the WebAssembly
# and the packed data/.
set(SITE ${CMAKE_BINARY_DIR}/site)
file(GLOB_RECURSE DATA_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/*)

# The game with the browser's platform, beside game_sdl and game_null.
# The sound is the desktop's, on Emscripten's SDL_mixer emulation.
add_library(game_web STATIC
    shell/platform/platform_web.cpp shell/platform/platform_web_gl.cpp shell/platform/event_queue.cpp
    shell/platform/game_pad.cpp shell/platform/pad_sdl.cpp
    shell/platform/sound_sdl.cpp shell/platform/mixer_groups_web.cpp)
target_include_directories(game_web PUBLIC ${EMSCRIPTEN_SYSROOT}/include/SDL)
target_link_libraries(game_web PUBLIC game PRIVATE cavern_warnings)

add_executable(cavern shell/platform/sdl_main.cpp shell/platform/posix_main.cpp)
target_link_libraries(cavern PRIVATE game_web cavern_warnings)
target_link_options(cavern PRIVATE
    -sLEGACY_GL_EMULATION=1 -Wl,--wrap=glTexImage2D -Wl,--wrap=glHint
    -Wl,--wrap=Mix_AllocateChannels -Wl,--wrap=Mix_PlayChannelTimed
    # The loop sleeps between passes; only direct calls lead to the sleep.
    -sASYNCIFY -sASYNCIFY_IGNORE_INDIRECT=1
    -sALLOW_MEMORY_GROWTH=1
    # The page learns when the game has ended.
    -sEXIT_RUNTIME=1
    # The sound effects decoded by the browser while the data loads, which Mix_LoadWAV needs.
    --use-preload-plugins
    --preload-file ${CMAKE_SOURCE_DIR}/data@data)
set_target_properties(cavern PROPERTIES
    SUFFIX .js
    RUNTIME_OUTPUT_DIRECTORY ${SITE}
    LINK_DEPENDS "${DATA_FILES}")
configure_file(packaging/web/index.html ${SITE}/index.html COPYONLY)
