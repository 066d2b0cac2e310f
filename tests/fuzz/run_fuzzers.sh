#!/bin/sh
# Builds the content fuzzers with the fuzz preset (clang, in a folder of its own) and
# runs each one for a bounded time on its seed corpus. Exits 77 (skipped) when clang
# cannot build libFuzzer targets; any crash, leak or sanitizer report fails.
# Usage: run_fuzzers.sh SOURCE_DIR [SECONDS_PER_TARGET]
set -eu
seconds=${2:-20}
targets="bitmap room_templates animations content_list world_folder"
# Absolute, since the content list fuzzer works in a folder of its own.
source_dir=$(cd "$1" && pwd)
build_dir="$source_dir/build/fuzz-build"  # the fuzz preset's
mkdir -p "$build_dir"
probe="$build_dir/probe.cpp"
echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }' > "$probe"
if ! clang++ -fsanitize=fuzzer,address,undefined "$probe" -o "$build_dir/probe" 2>/dev/null; then
    echo "clang++ cannot build libFuzzer targets here: skipping"
    exit 77
fi

# A folder that the fuzzers' former project of their own configured is configured afresh; its finds stay.
if [ -f "$build_dir/CMakeCache.txt" ] &&
    ! grep -qx "CMAKE_HOME_DIRECTORY:INTERNAL=$source_dir" "$build_dir/CMakeCache.txt"; then
    rm -rf "$build_dir/CMakeCache.txt" "$build_dir/CMakeFiles"
fi

# Presets are read from the source folder; the fuzzers run in the caller's, where they leave crash files.
cd "$source_dir"
cmake --preset fuzz > "$build_dir/configure.log" 2>&1 || { cat "$build_dir/configure.log"; exit 1; }
cmake --build --preset fuzz > "$build_dir/build.log" 2>&1 || { cat "$build_dir/build.log"; exit 1; }
cd "$OLDPWD"

for target in $targets; do
    # New inputs go into the first folder, so the committed seeds stay as they are.
    found="$build_dir/found/$target"
    mkdir -p "$found"
    # close_fd_mask=2 hides the loaders' messages; sanitizer reports still show.
    "$build_dir/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -close_fd_mask=2 -print_final_stats=1 \
        "$found" "$source_dir/tests/fuzz/corpus/$target" > "$build_dir/$target.log" 2>&1 || {
        cat "$build_dir/$target.log"
        exit 1
    }
    echo "fuzz_$target: $(grep '^Done' "$build_dir/$target.log"), no crash"
done
