#!/usr/bin/env bash
# Checks the Debian package as Debian's tools and a desktop see it: its control
# fields, that it holds what the program and the desktop need and nothing else
# (no test programs, benchmarks or fuzzers), stripped binaries, a valid menu
# entry and AppStream file, a changelog of this version, and no lintian error.
# Usage: check_package.sh PACKAGE.deb VERSION
set -euo pipefail
deb=$(realpath "$1") version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = quillon ] || fail "Package is $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version is $(field Version), not $version"
[ "$(field Section)" = web ] || fail "Section is $(field Section)"
for library in libc6 libqt6widgets6; do
  field Depends | grep -q "\b$library\b" || fail "Depends lacks $library: $(field Depends)"
done
field Recommends | grep -q "jre\|java" || fail "no Java runtime recommended: $(field Recommends)"

root=$work/root
dpkg-deb -x "$deb" "$root"
cd "$root"

share=usr/share/quillon
required=(
  usr/bin/quillon usr/bin/quillon-cli
  usr/share/applications/quillon.desktop
  usr/share/metainfo/net.morvane.quillon.metainfo.xml
  usr/share/icons/hicolor/scalable/apps/quillon.svg
  usr/share/doc/quillon/copyright usr/share/doc/quillon/changelog.gz
  $share/applet-runner.jar $share/files/JClass/QuillonMenu.js $share/files/OrvelLeft.htm
)
for size in 16 22 24 32 48 64 128 256; do required+=(usr/share/icons/hicolor/${size}x${size}/apps/quillon.png); done
for applet in TrellTabR TrellTreeR TrellTabTreeR; do
  required+=($share/files/JClass/$applet.class $share/files/JClass/$applet.jar)
done
for support in Beans Timer TreeView TreeNode InvalidTreeNodeException BaseTabbedPanel ButtonBase DirectionButton TabPanel; do
  required+=($share/files/JClass/$support.class)
done
for icon in BookC BookO Leaf; do required+=($share/files/JClass/jimages/$icon.gif); done
for template in ddmenu tree treex main sitemap start floating; do required+=($share/resource/$template.htm); done
for picture in Leaf Folder95C Folder95O Space; do required+=($share/resource/$picture.gif); done
for path in "${required[@]}"; do [ -f "$path" ] || fail "missing $path"; done
for kind in tab tree tabtree; do
  ls $share/themes/$kind/*/*.htm >/dev/null 2>&1 || fail "no $kind theme page"
done

# Everything else the package holds must belong to the program.
while IFS= read -r path; do
  case "$path" in
    usr/bin/quillon | usr/bin/quillon-cli | $share/* | usr/share/applications/quillon.desktop | \
      usr/share/icons/hicolor/*/apps/quillon.png | usr/share/icons/hicolor/scalable/apps/quillon.svg | \
      usr/share/metainfo/net.morvane.quillon.metainfo.xml | usr/share/doc/quillon/* | \
      usr/share/man/man1/quillon.1.gz | usr/share/man/man1/quillon-cli.1.gz) ;;
    *) fail "unexpected file $path" ;;
  esac
done < <(find . -type f -printf '%P\n' | sort)

# Only the two programs are machine code, and they carry no symbols.
while IFS= read -r path; do
  case "$path" in
    usr/bin/quillon | usr/bin/quillon-cli)
      readelf -S "$path" | grep -q '\.symtab\|\.debug_' && fail "$path is not stripped" ;;
    *) fail "unexpected program $path" ;;
  esac
done < <(find . -type f -exec sh -c 'head -c 4 "$1" | grep -q "ELF"' _ {} \; -printf '%P\n')

zcat usr/share/doc/quillon/changelog.gz | head -1 | grep -q "^quillon ($version)" ||
  fail "the changelog's last release is not $version"
grep -q "<release version=\"$version\"" usr/share/metainfo/net.morvane.quillon.metainfo.xml ||
  fail "the AppStream file lists no release $version"
grep -qx 'Exec=quillon --open %f' usr/share/applications/quillon.desktop || fail "menu entry's command changed"

desktop-file-validate usr/share/applications/quillon.desktop || fail "desktop-file-validate"
appstreamcli validate --no-net usr/share/metainfo/net.morvane.quillon.metainfo.xml >"$work/appstream.log" 2>&1 ||
  { cat "$work/appstream.log"; fail "appstreamcli validate"; }
cd /
lintian --fail-on error "$deb" >"$work/lintian.log" 2>&1 || fail "lintian found errors"
grep -v 'running with root privileges' "$work/lintian.log" || true

[ "$failures" -eq 0 ] || exit 1
echo "package checked: $deb"
