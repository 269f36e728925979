#!/usr/bin/env bash
# Open-ended fuzzing of the page reader, the tag helpers and the whole
# read-and-save path with libFuzzer.
#   scripts/fuzz-reader.sh [read_page|tag_helpers|read_and_save] [SECONDS] [BUILD_DIR]
# Configures a Clang build with -DQUILLON_LIBFUZZER=ON (default folder
# build-libfuzzer), builds the target and runs it from the committed corpus
# (tests/format/fuzz_corpus and its written/ pages, and tests/fuzz/hostile_pages). New inputs libFuzzer finds
# go to BUILD_DIR/fuzz/corpus-TARGET; a failing input is written to
# BUILD_DIR/fuzz/ as crash-*, and reruns with: BUILD_DIR/fuzz/quillon_fuzz_TARGET FILE.
# Worth keeping: copy a failing input into tests/format/fuzz_corpus, so every
# CTest run (ctest -L fuzz) reads it from then on.
set -euo pipefail
target=${1:-read_page}
seconds=${2:-300}
root=$(cd "$(dirname "$0")/.." && pwd)
build=${3:-$root/build-libfuzzer}
case $target in
  read_page|tag_helpers|read_and_save) ;;
  *) echo "usage: $0 [read_page|tag_helpers|read_and_save] [SECONDS] [BUILD_DIR]" >&2; exit 2 ;;
esac

cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUILLON_LIBFUZZER=ON -DQUILLON_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target "quillon_fuzz_$target" -j2

corpus=$build/fuzz/corpus-$target
mkdir -p "$corpus"
cd "$build/fuzz"
UBSAN_OPTIONS=print_stacktrace=1 "./quillon_fuzz_$target" -max_total_time="$seconds" -max_len=65536 -timeout=10 \
  -rss_limit_mb=4096 -artifact_prefix="$build/fuzz/" \
  "$corpus" "$root/tests/format/fuzz_corpus" "$root/tests/format/fuzz_corpus/written" "$root/tests/fuzz/hostile_pages"
