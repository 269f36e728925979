#!/usr/bin/env bash
# Runs every benchmark of a build, programs and scripts: bench/run.sh [BUILD_DIR]
# A script that cannot run here (a tool it compares with is missing) is
# reported and the others go on; the run fails at the end if any failed.
set -euo pipefail
build=${1:-build}
here=$(dirname "$0")
failed=()
for program in "$build"/bench/*_bench; do
  [ -x "$program" ] || continue
  echo "== $(basename "$program")"
  "$program" --benchmark_counters_tabular=true || failed+=("$(basename "$program")")
done
# The side-by-side scripts (against wget, libxml2, ...): each takes the build folder.
for script in "$here"/*.sh; do
  [ "$(basename "$script")" = run.sh ] && continue
  echo "== $(basename "$script")"
  bash "$script" "$build" || failed+=("$(basename "$script")")
done
# The saved menu page in headless Chromium, where Node.js is installed.
if command -v node >/dev/null; then
  echo "== browser_menu_bench"
  QUILLON_HOME="$build/bin" QUILLON_CONFIG_DIR="$(mktemp -d)" \
    node "$here/browser_menu_bench.mjs" --cli "$build/bin/quillon-cli" || failed+=(browser_menu_bench)
fi
if [ ${#failed[@]} -gt 0 ]; then
  echo "failed: ${failed[*]}" >&2
  exit 1
fi
