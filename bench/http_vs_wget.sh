#!/usr/bin/env bash
# Pages per second of the HTTP client and of wget fetching the same 2,000 small
# pages, three times each, from the same loopback server in the same run, over
# http and over https (a new TLS connection for every page, on both sides).
#   bench/http_vs_wget.sh [BUILD_DIR]
set -euo pipefail
build=${1:-build}
bench=$build/bench/http_fetch_bench
pages=2000
rounds=3
command -v wget >/dev/null || { echo "wget is needed (apt-get install wget)" >&2; exit 1; }
[ -x "$bench" ] || { echo "build the http_fetch_bench target first: $bench" >&2; exit 1; }

work=$(mktemp -d)
server_pids=()
cleanup() {
  for pid in "${server_pids[@]}"; do kill "$pid" 2>/dev/null; done
  rm -rf "$work"
}
trap cleanup EXIT

# serve NAME ARGUMENT: starts a page server, leaves its port in $work/NAME.port
serve() {
  "$bench" "$2" >"$work/$1.port" &
  server_pids+=($!)
  for _ in $(seq 50); do [ -s "$work/$1.port" ] && break; sleep 0.1; done
}

# wget_rate BASE [wget options]: pages per second of wget on the pages under BASE
wget_rate() {
  local base=$1
  shift
  for i in $(seq -f %04g 1 $pages); do echo "$base/page$i.htm"; done >"$work/urls"
  local start end
  start=$(date +%s.%N)
  for _ in $(seq $rounds); do wget -q --no-proxy -O /dev/null "$@" -i "$work/urls"; done
  end=$(date +%s.%N)
  echo "$rounds * $pages / ($end - $start)" | bc -l
}

serve http --serve
serve https "--serve-https=$work/authority.pem"
http_port=$(cat "$work/http.port")
https_port=$(cat "$work/https.port")

wget_http=$(wget_rate "http://127.0.0.1:$http_port")
wget_https=$(wget_rate "https://localhost:$https_port" --ca-certificate="$work/authority.pem")

"$bench" --port="$http_port" --benchmark_format=json --benchmark_out="$work/client.json" >/dev/null
client_http=$(jq '.benchmarks[] | select(.name | startswith("BM_FetchPagesInARow/")) | .pages_per_second' "$work/client.json")
client_https=$(jq '.benchmarks[] | select(.name | startswith("BM_FetchPagesInARowOverHttps")) | .pages_per_second' "$work/client.json")

for scheme in http https; do
  client_var=client_$scheme
  wget_var=wget_$scheme
  printf '%-5s  HTTP client: %6.0f pages/s   wget: %6.0f pages/s   ratio: %5.2f (client / wget)\n' "$scheme" \
    "${!client_var}" "${!wget_var}" "$(echo "${!client_var} / ${!wget_var}" | bc -l)"
done
