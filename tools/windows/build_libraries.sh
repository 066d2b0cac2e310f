#!/bin/sh
# Cross-builds Debian 12's own SDL 1.2 and SDL_mixer 1.2 sources for 64-bit Windows,
# as static libraries under OUT/prefix. A second run of the same script finds its
# mark in OUT/prefix/.built and does nothing. Usage: tools/windows/build_libraries.sh OUT
set -eu
out=$(mkdir -p "$1" && cd "$1" && pwd)
prefix=$out/prefix
host=x86_64-w64-mingw32
recipe=$(cksum < "$0")
[ "$(cat "$prefix/.built" 2>/dev/null)" = "$recipe" ] && exit 0
rm -rf "$prefix"

# The sources come through a private apt state, so the machine's own lists stay as they were.
apt=$out/apt
mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial"
archives() {
    apt-get indextargets --format '$(REPO_URI) $(RELEASE) $(COMPONENT)' 'Identifier: Packages' |
        grep -E ' bookworm(-updates|-security)? ' | sort -u | sed 's/^/deb-src /' > "$apt/sources.list"
}
archives
# The archives are read off the machine's package lists, which a cleaned image may lack.
if [ ! -s "$apt/sources.list" ]; then
    sudo=""
    [ "$(id -u)" = 0 ] || sudo="sudo"
    $sudo apt-get update -q >/dev/null
    archives
fi
if [ ! -s "$apt/sources.list" ]; then
    echo "build_libraries: apt knows no Debian 12 (bookworm) archive to take the sources from" >&2
    exit 1
fi
aptopts="-o Dir::Etc::SourceList=$apt/sources.list -o Dir::Etc::SourceParts=/nonexistent
-o Dir::State::Lists=$apt/lists -o Dir::Cache=$apt/cache -o APT::Sandbox::User=root -q"
src=$out/sources
rm -rf "$src" && mkdir -p "$src"
# shellcheck disable=SC2086 # one word per option
apt-get $aptopts update >/dev/null
# shellcheck disable=SC2086
(cd "$src" && apt-get $aptopts source --download-only libsdl1.2 sdl-mixer1.2 >/dev/null)
# apt has checked the files against the archive's signed index; the .dsc's own
# signature would need the maintainers' keys, which the machine need not have.
dpkg-source --no-check -x "$src"/libsdl1.2_*.dsc "$src/sdl" >/dev/null
dpkg-source --no-check -x "$src"/sdl-mixer1.2_*.dsc "$src/mixer" >/dev/null

jobs=$(nproc)
cd "$src/sdl"
# Static only: the game carries SDL inside, and sdl-config's static answer keeps the
# -lmingw32 -lSDLmain that Debian's patch takes out of the shared one.
./configure -q --build="$(dpkg-architecture -qDEB_BUILD_GNU_TYPE)" --host=$host --prefix="$prefix" --disable-shared >/dev/null
make -s -j "$jobs" >/dev/null
make -s install >/dev/null

cd "$src/mixer"
PATH=$prefix/bin:$PATH ./configure -q --build="$(dpkg-architecture -qDEB_BUILD_GNU_TYPE)" --host=$host --prefix="$prefix" --disable-shared \
    --with-sdl-prefix="$prefix" --disable-music-mod --disable-music-midi --disable-music-ogg \
    --disable-music-flac --disable-music-mp3 --disable-smpegtest >/dev/null
# Its sample programs do not link; the library is all the game needs.
make -s build
make -s -j "$jobs" build/libSDL_mixer.la >/dev/null
make -s install-hdrs install-lib >/dev/null
echo "$recipe" > "$prefix/.built"
