#!/usr/bin/env bash
# Unpacks the Debian package into a scratch root, makes it read-only as an
# install owned by root is, and runs the installed programs from it with a
# scratch home folder: new menus from themes, Preview, every generator and
# start page, the indexer on a folder on disk and over loopback, and the
# window offscreen. Then nothing in the scratch root may have changed.
# As root, chmod does not stop writes, so the commands run as nobody where
# that user exists, and the tree is compared whole (sizes, times, hashes).
# Usage: run_installed.sh PACKAGE.deb
set -euo pipefail
deb=$(realpath "$1")
work=$(mktemp -d)
server_pid=
cleanup() {
  [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null
  chmod -R u+w "$work" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
root=$work/root home=$work/home
dpkg-deb -x "$deb" "$root"

mkdir -p "$home/site" "$home/local/sub" "$home/web/docs"
for site in "$home/local" "$home/web/docs"; do
  printf '<html><head><title>Start</title></head><body><a href="a.htm">A</a> <a href="sub/b.htm">B</a></body></html>\n' >"$site/index.htm"
  printf '<html><head><title>Page A</title></head><body>A</body></html>\n' >"$site/a.htm"
  mkdir -p "$site/sub"
  printf '<html><head><title>Page B</title></head><body>B</body></html>\n' >"$site/sub/b.htm"
done

as_user=()
if [ "$(id -u)" -eq 0 ] && id nobody >/dev/null 2>&1 && command -v setpriv >/dev/null; then
  as_user=(setpriv --reuid=nobody --regid="$(id -gn nobody)" --clear-groups --)
  chmod 755 "$work"
  chown -R nobody: "$home"
fi

chmod -R a-w "$root"
listing() {
  (cd "$root" && find . -printf '%y %m %U %s %T@ %p\n' | sort && find . -type f -print0 | sort -z | xargs -0 sha256sum)
}
listing >"$work/before"

failures=0
# Runs an installed program as a user would start it, for at most SECONDS: a
# clean environment with the XDG folders unset, from the root of the install.
installed() {
  local seconds=$1 program=$2
  shift 2
  (cd "$root" && env -i HOME="$home" PATH=/usr/bin:/bin LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen \
    timeout -k 5 "$seconds" "${as_user[@]}" "usr/bin/$program" "$@") >"$work/out" 2>&1
}
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
failed_run() {
  fail "$@"
  cat "$work/out" >&2
}
# A message box left open offscreen would wait for ever.
run() { installed 60 "$@" || failed_run "$*"; }
expect_file() { [ -s "$1" ] || fail "$1 was not written"; }

run quillon-cli new --kind tab --theme Sunrise "$home/site/tab.htm"
run quillon-cli new --kind tree --theme Meadow "$home/site/tree.htm"
run quillon-cli new --kind tabtree --theme Orchard "$home/site/index.htm"
for page in tab tree index; do expect_file "$home/site/$page.htm"; done
expect_file "$home/site/TrellTabTreeR.class"

page=$home/site/index.htm
run quillon-cli preview "$page"
for kind in dropdown treeview sitemap; do run quillon-cli generate "$kind" "$page"; done
run quillon-cli generate xml-sitemap "$page" --set base-url=http://127.0.0.1/
for kind in frames floating; do run quillon-cli deploy "$kind" "$page"; done
run quillon-cli index site "$home/local/index.htm" "$home/site/tree.htm"
expect_file "$home/site/SiteIndexer.log"

# A web crawl keeps its downloads in a scratch folder.
if command -v python3 >/dev/null; then
  python3 -u -c '
import functools, http.server, sys
handler = functools.partial(http.server.SimpleHTTPRequestHandler, directory=sys.argv[1])
server = http.server.HTTPServer(("127.0.0.1", 0), handler)
print(server.server_port)
server.serve_forever()' "$home/web" >"$work/port" 2>"$work/server.log" &
  server_pid=$!
  for _ in $(seq 50); do [ -s "$work/port" ] && break; sleep 0.1; done
  run quillon-cli index url "http://127.0.0.1:$(cat "$work/port")/docs/index.htm" "$page"
  grep -qs sub/b.htm "$page" || fail "the web crawl added no nodes"
fi

run quillon --screenshot "$home/shots"
expect_file "$home/shots/no-menu.png"
run quillon --open "$page" --screenshot "$home/shots"
expect_file "$home/shots/generator-drop-down-navigation-menu.png"

# Started from the menu without a file, the entry's command ends in a bare
# --open: the window must come up and stay, not stop at the option.
launch=$(sed -n 's/^Exec=quillon //p' "$root/usr/share/applications/quillon.desktop")
status=0
installed 5 quillon ${launch//%f/} || status=$?
[ "$status" -eq 124 ] || failed_run "quillon ${launch//%f/} (from the menu entry) ended with status $status"

listing >"$work/after"
if ! diff -u "$work/before" "$work/after" >"$work/changes"; then
  fail "the programs wrote into the install:"
  grep '^[-+][^-+]' "$work/changes" >&2
fi
[ "$failures" -eq 0 ] || exit 1
echo "the installed programs ran and left the install as it was"
