#!/usr/bin/env bash
# Pictures of the Debian package as a desktop shows it, under a virtual display:
# the menu entry with its icon as rofi's application launcher lists it from the
# package's .desktop file, and the installed main window, without a menu and
# with a menu that the installed quillon-cli made from a theme.
# Usage: scripts/screenshot-package.sh PACKAGE.deb [OUTPUT_DIR]
# Needs xvfb-run, rofi, xwd (x11-apps) and netpbm besides the package's own needs.
set -euo pipefail
deb=$(realpath "$1")
out=$(realpath -m "${2:-docs/screenshots/package}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root
mkdir -p "$out" "$work/home/site"
dpkg-deb -x "$deb" "$root"
export HOME=$work/home
unset XDG_CONFIG_HOME XDG_CACHE_HOME XDG_DATA_HOME QUILLON_HOME QUILLON_CONFIG_DIR

# The launcher finds the entry and the icon where the package put them.
cat >"$work/menu.sh" <<SH
export XDG_DATA_DIRS=$root/usr/share:/usr/share
rofi -show drun -show-icons -filter Quillon -drun-display-format '{name} - {generic}' \
  -theme-str 'window { width: 560px; } listview { lines: 3; } element-icon { size: 48px; }' &
sleep 3
xwd -root -silent >"$work/menu.xwd"
kill %1
SH
xvfb-run -a -s "-screen 0 640x240x24" bash "$work/menu.sh"
xwdtopnm "$work/menu.xwd" 2>/dev/null | pnmtopng >"$out/menu-entry.png"

shoot() { xvfb-run -a -s "-screen 0 1024x768x24" "$root/usr/bin/quillon" "$@" 2>/dev/null; }
shoot --screenshot "$work/empty"
cp "$work/empty/no-menu.png" "$out/installed-no-menu.png"
"$root/usr/bin/quillon-cli" new --kind tabtree --theme Orchard "$work/home/site/index.htm"
shoot --open "$work/home/site/index.htm" --screenshot "$work/menu"
cp "$work/menu/settings-applet.png" "$out/installed-applet-page.png"
ls "$out"/*.png
