#!/usr/bin/env bash
# Runs every benchmark program of a build: bench/run.sh [BUILD_DIR]
set -euo pipefail
build=${1:-build}
for program in "$build"/bench/*_bench; do
  [ -x "$program" ] || continue
  echo "== $(basename "$program")"
  "$program" --benchmark_counters_tabular=true
done
# The saved menu page in headless Chromium, where Node.js is installed.
if command -v node >/dev/null; then
  echo "== browser_menu_bench"
  QUILLON_HOME="$build/bin" QUILLON_CONFIG_DIR="$(mktemp -d)" \
    node "$(dirname "$0")/browser_menu_bench.mjs" --cli "$build/bin/quillon-cli"
fi
# quillon-cli's read, write and resave against libxml2, whole processes.
if [ -x "$build/bench/libxml2_parse" ]; then
  echo "== cli_vs_libxml2"
  bash "$(dirname "$0")/cli_vs_libxml2.sh" "$build"
fi
