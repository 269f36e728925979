#!/usr/bin/env bash
# Pages per second of the HTTP client and of wget fetching the same 2,000 small
# pages, three times each, from the same loopback server in the same run.
#   bench/http_vs_wget.sh [BUILD_DIR]
set -euo pipefail
build=${1:-build}
bench=$build/bench/http_fetch_bench
pages=2000
rounds=3
command -v wget >/dev/null || { echo "wget is needed (apt-get install wget)" >&2; exit 1; }
[ -x "$bench" ] || { echo "build the http_fetch_bench target first: $bench" >&2; exit 1; }

work=$(mktemp -d)
server_pid=
cleanup() {
  [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

"$bench" --serve >"$work/port" &
server_pid=$!
for _ in $(seq 50); do [ -s "$work/port" ] && break; sleep 0.1; done
port=$(cat "$work/port")
for i in $(seq -f %04g 1 $pages); do echo "http://127.0.0.1:$port/page$i.htm"; done >"$work/urls"

start=$(date +%s.%N)
for _ in $(seq $rounds); do wget -q --no-proxy -O /dev/null -i "$work/urls"; done
end=$(date +%s.%N)
wget_rate=$(echo "$rounds * $pages / ($end - $start)" | bc -l)

"$bench" --port="$port" --benchmark_format=json --benchmark_out="$work/client.json" >/dev/null
client_rate=$(jq '.benchmarks[0].pages_per_second' "$work/client.json")

printf 'HTTP client: %8.0f pages/s\n' "$client_rate"
printf 'wget:        %8.0f pages/s\n' "$wget_rate"
printf 'ratio:       %8.2f (client / wget)\n' "$(echo "$client_rate / $wget_rate" | bc -l)"
