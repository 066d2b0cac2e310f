#!/bin/sh
# Starts the installed game in a folder of the player's own: the game reads
# data/ from its working folder and writes happy.txt there, and the install
# folder is not the player's to write.
set -u

fail() {
    echo "cavern: $*" >&2
    exit 1
}

# Found from where this script lies, so every install prefix works.
self=$(readlink -f -- "$0") || fail "cannot find where the launcher is installed"
prefix=$(dirname -- "$(dirname -- "$self")")
game="$prefix/lib/cavern/cavern"
data="$prefix/share/cavern/data"

# Relative values are not valid state folders; they fall back to the default.
case "${XDG_STATE_HOME:-}" in
    /*) state_home=$XDG_STATE_HOME ;;
    *)
        [ -n "${HOME:-}" ] || fail "neither XDG_STATE_HOME nor HOME is set: no folder for the game's files"
        state_home="$HOME/.local/state"
        ;;
esac
state="$state_home/cavern"

if ! mkdir -p -- "$state" 2>/dev/null || [ ! -w "$state" ]; then
    fail "cannot make a writable folder $state for the game's files"
fi

# Someone else's folder could hold links planted where the game writes.
[ -O "$state" ] || fail "$state is not a folder of your own; the game keeps its files only in one"

# The link is ours to refresh; anything else by that name is the player's.
link="$state/data"
if [ -e "$link" ] && [ ! -L "$link" ]; then
    fail "$link is in the way: it should be a link to the game's data; move it away"
fi
if [ "$(readlink -- "$link")" != "$data" ]; then
    ln -sfn -- "$data" "$link" || fail "cannot link $link to $data"
fi

# On a screen larger than 640 x 480, SDL 1.2's compatibility library scales
# the picture to a window it takes to fill the screen; with no window manager
# to make it so, that window stays 640 x 480 and shows a magnified corner.
# Unscaled, the picture is shown whole; the classic library ignores this.
export SDL12COMPAT_OPENGL_SCALING="${SDL12COMPAT_OPENGL_SCALING:-0}"

cd -- "$state" || fail "cannot enter $state"
exec "$game"
