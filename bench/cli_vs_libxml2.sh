#!/usr/bin/env bash
# quillon-cli against libxml2 parsing the same page, whole process against
# whole process: CPU time (user + system, best of RUNS) and peak resident
# memory, for Tab&Tree pages of 10, 25 and 50 tabs of 1,000 nodes, with each
# command's ratio to libxml2.
#
# bench/cli_vs_libxml2.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
runs=${2:-5}
cli=$build/bin/quillon-cli
for program in "$cli" "$build/bench/large_menu_page" "$build/bench/process_usage" "$build/bench/libxml2_parse"; do
  [ -x "$program" ] || { echo "error: $program is missing; build the targets quillon-cli and bench" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QUILLON_HOME=$build/bin QUILLON_CONFIG_DIR=$work/config

# Best CPU time (ms) and the peak memory (MiB) of that run over $runs runs of a
# command, its standard output sent to $out.
out=/dev/null
measure() {
  local best_us='' best_kib=0 line us kib status
  for ((run = 0; run < runs; ++run)); do
    line=$("$build/bench/process_usage" "$@" 2>&1 >"$out" | tail -n 1)
    read -r us kib status <<<"$line"
    [ "$status" = 0 ] || { echo "error: $* failed: $line" >&2; exit 1; }
    if [ -z "$best_us" ] || [ "$us" -lt "$best_us" ]; then best_us=$us best_kib=$kib; fi
  done
  awk -v us="$best_us" -v kib="$best_kib" 'BEGIN { printf "%.1f %.1f\n", us / 1000, kib / 1024 }'
}

echo "load: $(uptime | sed 's/.*load average: //')   runs: best of $runs"
printf '%-5s %-8s %-9s %10s %8s %10s %8s\n' tabs page_MiB command cpu_ms ×libxml2 peak_MiB ×libxml2
for tabs in 10 25 50; do
  dir=$work/tabs$tabs
  mkdir -p "$dir/site"
  page=$dir/site/menu.htm
  "$build/bench/large_menu_page" "$tabs" 1000 "$page"
  "$cli" read "$page" >"$dir/menu.json"
  page_mib=$(awk -v b="$(stat -c %s "$page")" 'BEGIN { printf "%.1f", b / 1048576 }')

  show() {
    local name=$1 ms=$2 mib=$3
    awk -v t="$tabs" -v p="$page_mib" -v n="$name" -v ms="$ms" -v mib="$mib" -v bms="$base_ms" -v bmib="$base_mib" \
      'BEGIN { printf "%-5s %-8s %-9s %10.1f %8.2f %10.1f %8.2f\n", t, p, n, ms, ms / bms, mib, mib / bmib }'
  }
  row() {
    local name=$1
    shift
    show "$name" $(measure "$@")
  }
  read -r base_ms base_mib < <(measure "$build/bench/libxml2_parse" "$page")
  show libxml2 "$base_ms" "$base_mib"
  row resave "$cli" resave "$page" --as "$dir/site/resaved.htm"
  out=$dir/read.json row read "$cli" read "$page"
  row write "$cli" write "$dir/menu.json" "$dir/site/written.htm"
done
