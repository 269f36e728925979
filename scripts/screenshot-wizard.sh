#!/usr/bin/env bash
# Pictures of the new-menu wizard over the shipped themes, taken on a virtual
# X display: the plain style, a theme of each kind and the theme change.
# The program checks on the way that each preview the wizard should show is
# shown and fills its place, and fails otherwise.
#
# Usage: scripts/screenshot-wizard.sh [BUILD_DIR] [OUTPUT_FOLDER]
#   BUILD_DIR defaults to build, OUTPUT_FOLDER to BUILD_DIR/screenshots/wizard.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
out=${2:-$build/screenshots/wizard}

cmake --build "$build" --target wizard_screenshots shipped -j2
mkdir -p "$out"
xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb \
  "$build/tests/wizard_screenshots" "$build/bin" "$out"
