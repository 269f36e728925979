#!/usr/bin/env bash
# Builds the network client's response-parser fuzz target with clang and
# libFuzzer, and runs it from the seed corpus.
#   scripts/fuzz-net.sh [SECONDS] [OUT_DIR]
# New inputs that libFuzzer finds go to OUT_DIR/corpus; a crashing input is
# written to OUT_DIR as crash-*.
set -euo pipefail
seconds=${1:-60}
out=${2:-build-fuzz}
root=$(cd "$(dirname "$0")/.." && pwd)
net=$root/src/net
mkdir -p "$out/corpus"
clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  -I"$root/src" \
  "$root/tests/net/fuzz/response_parser_fuzz.cpp" \
  "$net/url_parser.cpp" "$net/document_name.cpp" "$net/http_header_parser.cpp" \
  "$net/receive_buffer.cpp" "$net/http_target.cpp" \
  -o "$out/net_parser_fuzz"
"$out/net_parser_fuzz" -max_total_time="$seconds" -max_len=20000 -artifact_prefix="$out/" \
  "$out/corpus" "$root/tests/net/fuzz/seeds"
