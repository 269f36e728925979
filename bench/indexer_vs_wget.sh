#!/usr/bin/env bash
# Pages per second of the site indexer (quillon-cli index url) and of
# wget --recursive --spider crawling the same generated site from the same
# loopback server (python3's http.server, keep-alive on), over http and over
# https, in the same run.
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

. "$(dirname "$0")/lib/indexer_setup.sh"

"$bench" --write-site="$work/site" --pages="$pages"
printf 'GIF89a' >"$work/site/logo.gif"

# A test authority that signs the loopback server's certificate, trusted by
# both crawlers for this run only.
openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:P-256 -nodes -days 1 -subj /CN=bench-authority \
  -keyout "$work/ca.key" -out "$work/ca.pem" 2>/dev/null
openssl req -newkey ec -pkeyopt ec_paramgen_curve:P-256 -nodes -subj /CN=127.0.0.1 \
  -keyout "$work/server.key" -out "$work/server.csr" 2>/dev/null
printf 'subjectAltName=IP:127.0.0.1\n' >"$work/server.ext"
openssl x509 -req -in "$work/server.csr" -CA "$work/ca.pem" -CAkey "$work/ca.key" -CAcreateserial -days 1 \
  -extfile "$work/server.ext" -out "$work/server.pem" 2>/dev/null

# HTTP/1.1 with keep-alive, as wget uses by default; TLS when a certificate is given.
cat >"$work/serve.py" <<'PY'
import http.server, ssl, sys
class Handler(http.server.SimpleHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
if len(sys.argv) > 1:
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(sys.argv[1], sys.argv[2])
    server.socket = context.wrap_socket(server.socket, server_side=True)
print(server.server_address[1], flush=True)
server.serve_forever()
PY

write_empty_menu "$work/menu.htm"

requests() { grep -c '"GET \|"HEAD ' "$work/server.log" || true; }

# Crawls the site with both over one scheme and prints a line for each.
compare() {
  local scheme=$1
  shift
  : >"$work/server.log"
  (cd "$work/site" && exec python3 "$work/serve.py" "$@" 2>"$work/server.log" >"$work/port") &
  server_pid=$!
  wait_for_port
  local start_address=$scheme://127.0.0.1:$(cat "$work/port")/index.htm
  local before start end

  before=$(requests)
  start=$(date +%s.%N)
  SSL_CERT_FILE=$work/ca.pem "$cli" index url "$start_address" "$work/menu.htm" --urls "$work/urls.txt" \
    2>"$work/index.log"
  end=$(date +%s.%N)
  local indexer_pages indexer_requests indexer_rate
  indexer_pages=$(wc -l <"$work/urls.txt")
  indexer_requests=$(($(requests) - before))
  indexer_rate=$(echo "$indexer_pages / ($end - $start)" | bc -l)

  before=$(requests)
  start=$(date +%s.%N)
  wget --recursive --spider --level=inf --no-parent --no-proxy --no-verbose -e robots=off \
    --ca-certificate="$work/ca.pem" -P "$work/wget" "$start_address" 2>"$work/wget.log" || true
  end=$(date +%s.%N)
  local wget_pages wget_requests wget_rate
  wget_pages=$(grep -o 'URL: *[^ ]*\.htm ' "$work/wget.log" | sort -u | wc -l)
  wget_requests=$(($(requests) - before))
  wget_rate=$(echo "$wget_pages / ($end - $start)" | bc -l)
  kill "$server_pid" 2>/dev/null
  wait "$server_pid" 2>/dev/null || true
  server_pid=
  : >"$work/port"

  # wget's spider asks for each page twice (HEAD, then GET to read its links), so requests per second are shown too.
  printf '%-5s site indexer: %6d pages, %6d requests, %8.0f pages/s, %8.0f requests/s\n' "$scheme" \
    "$indexer_pages" "$indexer_requests" "$indexer_rate" \
    "$(echo "$indexer_requests * $indexer_rate / $indexer_pages" | bc -l)"
  printf '%-5s wget spider:  %6d pages, %6d requests, %8.0f pages/s, %8.0f requests/s\n' "$scheme" "$wget_pages" \
    "$wget_requests" "$wget_rate" "$(echo "$wget_requests * $wget_rate / $wget_pages" | bc -l)"
  printf '%-5s ratio:        %8.2f (site indexer / wget)\n' "$scheme" "$(echo "$indexer_rate / $wget_rate" | bc -l)"
}

compare http
compare https "$work/server.pem" "$work/server.key"
