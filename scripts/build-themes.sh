#!/usr/bin/env bash
# Regenerates the shipped themes and the demonstration menu from themes-src/:
# draws their pictures, writes each page with quillon-cli exactly as the
# program writes pages, and renders the wizard's preview pictures with the
# applet runner from those pages.
#
# Usage: scripts/build-themes.sh [BUILD_DIR]      (default: build)
# The build needs quillon-cli, the applets and the runner:
#   cmake --build BUILD_DIR --target quillon-cli applets shipped
# Needs: a JDK (javac, java), python3.
set -euo pipefail
shopt -s nullglob

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
program=$build/bin
src=$root/themes-src
ship=$root/shipped

for needed in "$program/quillon-cli" "$program/applet-runner.jar" "$program/files/JClass/TrellTabTreeR.jar"; do
  if [ ! -e "$needed" ]; then
    echo "missing $needed: build quillon-cli, applets and shipped first" >&2
    exit 1
  fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
javac -d "$work/tools" "$src/tools/ThemeArt.java"

art() { java -Djava.awt.headless=true -cp "$work/tools" ThemeArt "$@"; }

# Writes a theme source as a page: build_page SOURCE_DIR KIND PAGE_PATH
build_page() {
  local dir=$1 kind=$2 page=$3 scratch
  scratch=$(dirname "$page")/../scratch
  mkdir -p "$scratch/art" "$(dirname "$page")"
  if [ -f "$dir/art.txt" ]; then art icons "$src/shapes" "$dir/art.txt" "$scratch/art"; fi
  python3 "$src/tools/assemble_menu.py" "$dir/theme.json" "$src/$kind/skeleton.json" \
    "$scratch/art" "$program" "$scratch/menu.json"
  if ! QUILLON_HOME=$program QUILLON_CONFIG_DIR=$work/config \
    "$program/quillon-cli" write "$scratch/menu.json" "$page" >/dev/null 2>"$work/cli.err"; then
    cat "$work/cli.err" >&2
    exit 1
  fi
}

# The picture beside each option of the wizard, at its size there.
preview_size() {
  case $1 in
    tab) echo "230 50" ;;
    tree) echo "230 55" ;;
    tabtree) echo "230 80" ;;
  esac
}

# Renders a page's menu at the wizard's picture size: render_preview PAGE KIND OUT.jpg
render_preview() {
  local page=$1 kind=$2 out=$3 width height sized
  read -r width height < <(preview_size "$kind")
  sized=$(dirname "$page")/preview-size.htm
  sed -E "s/^(<APPLET [^>]*) WIDTH=[0-9]+ HEIGHT=[0-9]+>/\1 WIDTH=$width HEIGHT=$height>/" "$page" > "$sized"
  java -Djava.awt.headless=true -jar "$program/applet-runner.jar" --render "$work/preview.png" "$sized"
  art preview "$work/preview.png" "$width" "$height" "$out"
}

for kind in tab tree tabtree; do
  for dir in "$src/$kind"/*/; do
    name=$(basename "$dir")
    site=$work/$kind/$name/site
    build_page "$dir" "$kind" "$site/$name.htm"
    dest=$ship/themes/$kind/$name
    rm -rf "$dest"
    mkdir -p "$dest"
    if [ "$name" = Normal ]; then
      # The plain style is no theme: its folder holds only the picture.
      render_preview "$site/$name.htm" "$kind" "$dest/Normal.jpg"
    else
      cp "$site/$name.htm" "$dest/"
      find "$site" -maxdepth 1 \( -name '*.gif' -o -name '*.jpg' \) -exec cp {} "$dest/" \;
      render_preview "$site/$name.htm" "$kind" "$dest/$name.jpg"
    fi
    echo "themes/$kind/$name"
  done
done

# The demonstration menu: its page in files/, its classes in files/JClass/
# (shipped by the applets) and its pictures in files/images/.
demo=$work/demo/files
build_page "$src/demo" tabtree "$demo/OrvelLeft.htm"
cp "$demo/OrvelLeft.htm" "$ship/files/"
mkdir -p "$ship/files/images"
find "$demo/images" -maxdepth 1 -name '*.gif' -exec cp {} "$ship/files/images/" \;
echo "files/OrvelLeft.htm"
