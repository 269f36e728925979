#!/usr/bin/env bash
# Builds the Debian package from a complete build folder into OUT_DIR, as
# `make package` does, and checks that exactly the expected file came out.
# Usage: build_package.sh CPACK BUILD_DIR OUT_DIR VERSION
set -euo pipefail
cpack=$1 build=$2 out=$3 version=$4

rm -rf "$out"
mkdir -p "$out"
(cd "$build" && "$cpack" -G DEB -B "$out") >"$out/cpack.log" 2>&1 || { cat "$out/cpack.log"; exit 1; }

expected=quillon_${version}_$(dpkg --print-architecture).deb
found=$(cd "$out" && ls -1 -- *.deb)
if [ "$found" != "$expected" ]; then
  echo "expected only $expected, cpack made: $found" >&2
  exit 1
fi
echo "$out/$expected"
