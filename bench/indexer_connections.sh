#!/usr/bin/env bash
# The crawl with several connections against wget and wget2 on one loopback
# server that answers every request after 20 ms (python3, keep-alive on):
# pages per second of quillon-cli index url at 1, 4 and 8 connections, of
# wget --recursive --spider and of wget2 --spider (default and 8 threads),
# side by side in one run; then the peak memory (maximum resident set) of
# quillon-cli crawling a site of MEMORY_PAGES pages with 8 connections.
#   bench/indexer_connections.sh [BUILD_DIR] [PAGES] [MEMORY_PAGES]
set -euo pipefail
build=${1:-build}
pages=${2:-1000}
memory_pages=${3:-20000}
bench=$build/bench/indexer_bench
cli=$(realpath "$build/bin/quillon-cli")
for tool in wget wget2 python3 bc; do
  command -v $tool >/dev/null || { echo "$tool is needed (scripts/install-deps.sh)" >&2; exit 1; }
done
[ -x /usr/bin/time ] || { echo "/usr/bin/time is needed (apt-get install time)" >&2; exit 1; }
[ -x "$bench" ] || { echo "build the indexer_bench target first: $bench" >&2; exit 1; }
[ -x "$cli" ] || { echo "build the quillon-cli target first: $cli" >&2; exit 1; }

. "$(dirname "$0")/lib/indexer_setup.sh"

cat >"$work/serve.py" <<'PY'
import http.server, sys, time
class Handler(http.server.SimpleHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    def handle_one_request(self):
        # Every answer takes 20 ms, as a busy server's would.
        self.raw_requestline = self.rfile.readline(65537)
        if not self.raw_requestline:
            self.close_connection = True
            return
        time.sleep(0.02)
        if not self.parse_request():
            return
        sys.stderr.write("request %s %s\n" % (self.command, self.path))
        getattr(self, "do_" + self.command)()
        self.wfile.flush()
    def log_message(self, *args):
        pass
class Server(http.server.ThreadingHTTPServer):
    request_queue_size = 128
server = Server(("127.0.0.1", 0), Handler)
print(server.server_address[1], flush=True)
server.serve_forever()
PY

write_empty_menu "$work/empty.htm"

# Serves a generated site of N pages; sets $site.
serve() {
  rm -rf "$work/site"
  "$bench" --write-site="$work/site" --pages="$1"
  printf 'GIF89a' >"$work/site/logo.gif"
  [ -n "$server_pid" ] && { kill "$server_pid"; wait "$server_pid" 2>/dev/null || true; }
  : >"$work/port"
  (cd "$work/site" && exec python3 "$work/serve.py" 2>"$work/server.log" >"$work/port") &
  server_pid=$!
  wait_for_port
  site=http://127.0.0.1:$(cat "$work/port")
}

requests() { grep -c request "$work/server.log" || true; }
now() { date +%s.%N; }

# NAME PAGES SECONDS REQUESTS
report() {
  printf '%-32s %6d pages %7d requests %7.1f s %8.1f pages/s\n' "$1" "$2" "$4" "$3" "$(echo "$2 / $3" | bc -l)"
}

quillon() {
  local connections=$1 before start end
  cp "$work/empty.htm" "$work/menu.htm"
  before=$(requests)
  start=$(now)
  "$cli" index url "$site/index.htm" "$work/menu.htm" --connections "$connections" --robots no \
    --max-pages 100000 --urls "$work/urls.txt" 2>/dev/null
  end=$(now)
  report "quillon, $connections connection(s)" "$(wc -l <"$work/urls.txt")" "$(echo "$end - $start" | bc -l)" \
    $(($(requests) - before))
}

# The pages a peer read: the .htm addresses it asked for (the spiders ask for each more than once).
peer() {
  local name=$1 before start end
  shift
  rm -rf "$work/peer"
  before=$(requests)
  start=$(now)
  "$@" -P "$work/peer" "$site/index.htm" >"$work/peer.log" 2>&1 || true
  end=$(now)
  report "$name" "$(tail -n +$((before + 1)) "$work/server.log" | grep -o ' /[^ ]*\.htm$' | sort -u | wc -l)" \
    "$(echo "$end - $start" | bc -l)" $(($(requests) - before))
}

echo "load: $(uptime)"
echo "a site of $pages pages, every answer after 20 ms:"
serve "$pages"
quillon 1
quillon 4
quillon 8
peer "wget --recursive --spider" wget --recursive --spider --level=inf --no-parent --no-proxy --no-verbose \
  -e robots=off
peer "wget2 --spider" wget2 --recursive --spider --level=0 --no-parent --no-proxy --no-verbose --robots=off
peer "wget2 --spider --max-threads=8" wget2 --recursive --spider --level=0 --no-parent --no-proxy --no-verbose \
  --robots=off --max-threads=8

echo "peak memory of a crawl of $memory_pages pages, 8 connections:"
serve "$memory_pages"
cp "$work/empty.htm" "$work/menu.htm"
start=$(now)
/usr/bin/time -v -o "$work/time.txt" "$cli" index url "$site/index.htm" "$work/menu.htm" --connections 8 \
  --robots no --max-pages 100000 --urls "$work/urls.txt" 2>/dev/null
end=$(now)
report "quillon, 8 connections" "$(wc -l <"$work/urls.txt")" "$(echo "$end - $start" | bc -l)" "$(requests)"
echo "peak memory: $(($(grep 'Maximum resident' "$work/time.txt" | tr -dc 0-9) / 1024)) MB"
echo "load: $(uptime)"
