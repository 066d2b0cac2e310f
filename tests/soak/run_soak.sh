#!/bin/sh
# Builds the soak program with the address, undefined-behaviour and leak sanitizers
# in a build folder of its own, then runs it from the source folder (the game reads
# data/ there) for the given number of passes of random play. Any sanitizer report,
# any leak of our own and any failed check fails the run.
# Usage: run_soak.sh SOURCE_DIR BUILD_DIR PASSES
set -eu
source_dir=$(cd "$1" && pwd)
mkdir -p "$2"
build_dir=$(cd "$2" && pwd)
flags="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"

cmake -S "$source_dir" -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS="$flags" \
    > "$build_dir/configure.log" 2>&1 || { cat "$build_dir/configure.log"; exit 1; }
cmake --build "$build_dir" -j 2 --target test_soak > "$build_dir/build.log" 2>&1 || {
    cat "$build_dir/build.log"
    exit 1
}

cd "$source_dir"
export SOAK_PASSES="$3"
export ASAN_OPTIONS=detect_leaks=1
export LSAN_OPTIONS="suppressions=$source_dir/tests/soak/third_party_leaks.supp:print_suppressions=1"
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
exec "$build_dir/tests/soak/test_soak"
