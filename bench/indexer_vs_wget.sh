#!/usr/bin/env bash
# Pages per second of the site indexer (quillon-cli index url) and of
# wget --recursive --spider crawling the same generated site from the same
# loopback server (python3 -m http.server), in the same run.
#   bench/indexer_vs_wget.sh [BUILD_DIR] [PAGES]
set -euo pipefail
build=${1:-build}
pages=${2:-2000}
bench=$build/bench/indexer_bench
cli=$build/bin/quillon-cli
command -v wget >/dev/null || { echo "wget is needed (apt-get install wget)" >&2; exit 1; }
command -v python3 >/dev/null || { echo "python3 is needed" >&2; exit 1; }
[ -x "$bench" ] || { echo "build the indexer_bench target first: $bench" >&2; exit 1; }
[ -x "$cli" ] || { echo "build the quillon-cli target first: $cli" >&2; exit 1; }

work=$(mktemp -d)
server_pid=
cleanup() {
  [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

"$bench" --write-site="$work/site" --pages="$pages"
printf 'GIF89a' >"$work/site/logo.gif"

port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
(cd "$work/site" && exec python3 -m http.server --bind 127.0.0.1 "$port" 2>"$work/server.log" >/dev/null) &
server_pid=$!
for _ in $(seq 100); do
  python3 -c "import socket; socket.create_connection(('127.0.0.1', $port), 0.2)" 2>/dev/null && break
  sleep 0.1
done
start_address=http://127.0.0.1:$port/index.htm

# A menu page to index into, with a program folder of its own.
export QUILLON_HOME=$work/home/program QUILLON_CONFIG_DIR=$work/home/config
mkdir -p "$QUILLON_HOME/files/JClass"
: >"$QUILLON_HOME/files/JClass/TrellTreeR.class"
echo '{"Kind": "akTree", "Settings": {"UseIcons": false}, "Tabs": [{"Nodes": []}]}' >"$work/tree.json"
"$cli" write "$work/tree.json" "$work/menu.htm" 2>/dev/null

requests() { grep -c '"GET \|"HEAD ' "$work/server.log" || true; }

before=$(requests)
start=$(date +%s.%N)
"$cli" index url "$start_address" "$work/menu.htm" --urls "$work/urls.txt" 2>"$work/index.log"
end=$(date +%s.%N)
indexer_pages=$(wc -l <"$work/urls.txt")
indexer_requests=$(($(requests) - before))
indexer_rate=$(echo "$indexer_pages / ($end - $start)" | bc -l)

# The server answers in HTTP/1.0 and closes every connection; wget waiting to
# reuse them would be measured instead of its crawl, so it is told not to.
before=$(requests)
start=$(date +%s.%N)
wget --recursive --spider --level=inf --no-parent --no-proxy --no-verbose --no-http-keep-alive -e robots=off \
  -P "$work/wget" "$start_address" 2>"$work/wget.log" || true
end=$(date +%s.%N)
wget_pages=$(grep -o 'URL: *[^ ]*\.htm ' "$work/wget.log" | sort -u | wc -l)
wget_requests=$(($(requests) - before))
wget_rate=$(echo "$wget_pages / ($end - $start)" | bc -l)

# wget's spider asks for each page twice (HEAD, then GET to read its links), so requests per second are shown too.
printf 'site indexer: %6d pages, %6d requests, %8.0f pages/s, %8.0f requests/s\n' "$indexer_pages" \
  "$indexer_requests" "$indexer_rate" "$(echo "$indexer_requests * $indexer_rate / $indexer_pages" | bc -l)"
printf 'wget spider:  %6d pages, %6d requests, %8.0f pages/s, %8.0f requests/s\n' "$wget_pages" "$wget_requests" \
  "$wget_rate" "$(echo "$wget_requests * $wget_rate / $wget_pages" | bc -l)"
printf 'ratio:        %8.2f (site indexer / wget)\n' "$(echo "$indexer_rate / $wget_rate" | bc -l)"
