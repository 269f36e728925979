#!/usr/bin/env bash
# Peak memory (maximum resident set) of quillon-cli index site crawling a
# generated site of PAGES pages on disk, the saving of the page included.
#   bench/indexer_memory.sh [BUILD_DIR] [PAGES]
set -euo pipefail
build=${1:-build}
pages=${2:-20000}
bench=$build/bench/indexer_bench
cli=$build/bin/quillon-cli
[ -x /usr/bin/time ] || { echo "GNU time is needed (apt-get install time)" >&2; exit 1; }
[ -x "$bench" ] || { echo "build the indexer_bench target first: $bench" >&2; exit 1; }
[ -x "$cli" ] || { echo "build the quillon-cli target first: $cli" >&2; exit 1; }

. "$(dirname "$0")/lib/indexer_setup.sh"
"$bench" --write-site="$work/site" --pages="$pages"
write_empty_menu "$work/menu.htm"

/usr/bin/time -f '%M %e' -o "$work/time" "$cli" index site "$work/site/index.htm" "$work/menu.htm" \
  --max-pages "$pages" --urls "$work/urls.txt" 2>/dev/null
read -r kilobytes seconds <"$work/time"
printf 'index site, %d pages read: peak memory %d MB, %s s (load %s)\n' "$(wc -l <"$work/urls.txt")" \
  $((kilobytes / 1024)) "$seconds" "$(cut -d' ' -f1 /proc/loadavg)"
