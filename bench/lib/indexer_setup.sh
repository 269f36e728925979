# Sourced by the indexer benchmarks, with $cli set: a scratch folder $work,
# removed at exit with the loopback server whose pid is in $server_pid, and
# an empty tree menu page to index into.

work=$(mktemp -d)
server_pid=
cleanup() {
  [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# Writes the empty menu page at $1; the program folder, settings and
# download cache are the run's own.
write_empty_menu() {
  export QUILLON_HOME=$work/home/program QUILLON_CONFIG_DIR=$work/home/config XDG_CACHE_HOME=$work/cache
  mkdir -p "$QUILLON_HOME/files/JClass"
  : >"$QUILLON_HOME/files/JClass/TrellTreeR.class"
  echo '{"Kind": "akTree", "Settings": {"UseIcons": false}, "Tabs": [{"Nodes": []}]}' >"$work/tree.json"
  "$cli" write "$work/tree.json" "$1" 2>/dev/null
}

# Waits (10 s at most) for the server started in the background to write its port to $work/port.
wait_for_port() {
  for _ in $(seq 100); do [ -s "$work/port" ] && break; sleep 0.1; done
}
