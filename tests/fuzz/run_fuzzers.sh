#!/bin/sh
# Builds the content fuzzers with clang in their own folder and runs each one
# for a bounded time on its seed corpus. Exits 77 (skipped) when clang cannot
# build libFuzzer targets; any crash, leak or sanitizer report fails.
# Usage: run_fuzzers.sh SOURCE_DIR BUILD_DIR [SECONDS_PER_TARGET]
set -eu
seconds=${3:-20}
targets="bitmap room_templates animations content_list world_folder"
# Absolute, since the content list fuzzer works in a folder of its own.
source_dir=$(cd "$1" && pwd)
mkdir -p "$2"
build_dir=$(cd "$2" && pwd)
probe="$build_dir/probe.cpp"
echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }' > "$probe"
if ! clang++ -fsanitize=fuzzer,address,undefined "$probe" -o "$build_dir/probe" 2>/dev/null; then
    echo "clang++ cannot build libFuzzer targets here: skipping"
    exit 77
fi

cmake -S "$source_dir/tests/fuzz/targets" -B "$build_dir" -DCMAKE_CXX_COMPILER=clang++ \
    -DGAME_SOURCE_DIR="$source_dir" > "$build_dir/configure.log"
cmake --build "$build_dir" -j 2 > "$build_dir/build.log" || { cat "$build_dir/build.log"; exit 1; }

for target in $targets; do
    # New inputs go into the first folder, so the committed seeds stay as they are.
    found="$build_dir/found/$target"
    mkdir -p "$found"
    # close_fd_mask=2 hides the loaders' messages; sanitizer reports still show.
    "$build_dir/fuzz_$target" -max_total_time="$seconds" -close_fd_mask=2 -print_final_stats=1 \
        "$found" "$source_dir/tests/fuzz/corpus/$target" > "$build_dir/$target.log" 2>&1 || {
        cat "$build_dir/$target.log"
        exit 1
    }
    echo "fuzz_$target: $(grep '^Done' "$build_dir/$target.log"), no crash"
done
