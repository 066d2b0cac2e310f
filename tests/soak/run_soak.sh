#!/bin/sh
# Builds the soak program with the soak preset (address, undefined-behaviour and leak
# sanitizers, in a build folder of its own), then runs it from the source folder (the
# game reads data/ there) for the given number of passes of random play. Any sanitizer
# report, any leak of our own and any failed check fails the run.
# Usage: run_soak.sh SOURCE_DIR PASSES
set -eu
cd "$1"
build_dir=build/soak-asan  # the soak preset's
mkdir -p "$build_dir"
cmake --preset soak > "$build_dir/configure.log" 2>&1 || { cat "$build_dir/configure.log"; exit 1; }
cmake --build --preset soak > "$build_dir/build.log" 2>&1 || { cat "$build_dir/build.log"; exit 1; }

export SOAK_PASSES="$2"
export ASAN_OPTIONS=detect_leaks=1
export LSAN_OPTIONS="suppressions=$PWD/tests/soak/third_party_leaks.supp:print_suppressions=1"
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
exec "$build_dir/tests/soak/test_soak"
