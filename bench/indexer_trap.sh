#!/usr/bin/env bash
# A crawler trap on loopback: every page links to itself with a longer query
# (trap.htm?a links trap.htm?aa, ...). Runs quillon-cli index url on it with
# the default limits and reports the pages read, the requests, the seconds
# and the peak memory (maximum resident set) of the run.
#   bench/indexer_trap.sh [BUILD_DIR] [SECONDS] [INDEX OPTIONS...]
# SECONDS (default 600) ends a crawl that would never end by itself, to
# measure a build without limits; the options go to quillon-cli index
# (--max-depth 100000 shows the next limit to end the trap).
set -euo pipefail
build=${1:-build}
seconds=${2:-600}
shift $(($# > 2 ? 2 : $#))
cli=$(realpath "$build/bin/quillon-cli")
command -v python3 >/dev/null || { echo "python3 is needed" >&2; exit 1; }
[ -x /usr/bin/time ] || { echo "/usr/bin/time is needed (apt-get install time)" >&2; exit 1; }
[ -x "$cli" ] || { echo "build the quillon-cli target first: $cli" >&2; exit 1; }

. "$(dirname "$0")/lib/indexer_setup.sh"

cat >"$work/trap.py" <<'PY'
import http.server, sys

class Trap(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        if not self.path.startswith("/trap.htm"):
            self.send_error(404)
            return
        query = self.path.partition("?")[2]
        body = ('<html><title>Trap</title><a href="trap.htm?%sa">more</a></html>' % query).encode()
        self.send_response(200)
        self.send_header("Content-Type", "text/html")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def log_message(self, *args):
        sys.stderr.write("request\n")

http.server.ThreadingHTTPServer(("127.0.0.1", int(sys.argv[1])), Trap).serve_forever()
PY
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
python3 "$work/trap.py" "$port" 2>"$work/server.log" &
server_pid=$!
for _ in $(seq 100); do
  python3 -c "import socket; socket.create_connection(('127.0.0.1', $port), 0.2)" 2>/dev/null && break
  sleep 0.1
done

write_empty_menu "$work/menu.htm"

start=$(date +%s.%N)
status=0
/usr/bin/time -f '%M' -o "$work/rss" timeout "$seconds" \
  "$cli" index url "http://127.0.0.1:$port/trap.htm?a" "$work/menu.htm" "$@" 2>"$work/index.log" || status=$?
end=$(date +%s.%N)
pages=$(grep -c '^  > GET ' "$work/index.log" || true)
printf 'pages read: %s, requests: %s, seconds: %.1f, peak memory: %s MB, exit: %s\n' \
  "$pages" "$(grep -c request "$work/server.log" || true)" "$(echo "$end - $start" | bc -l)" \
  "$(($(tail -1 "$work/rss" | tr -dc 0-9) / 1024))" "$status"
grep -m1 'LIMIT REACHED' "$work/index.log" || echo "no limit ended the crawl"
