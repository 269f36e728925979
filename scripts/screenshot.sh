#!/usr/bin/env bash
# Pictures of the main window under a virtual display: without a menu, then
# with a sample Tab&Tree page open, once on each settings page, and of the
# screen with the Target Frames hint beside the window; and of the
# generator window on each tab, the page font and colour settings, and the
# deploy and indexer windows on each tab, over that page.
# Usage: scripts/screenshot.sh [BUILD_DIR] [OUTPUT_DIR]
# Needs the targets quillon, quillon-cli and shipped built, and xvfb-run.
set -euo pipefail
build=$(realpath "${1:-build}")
out=$(realpath -m "${2:-$build/screenshots}")
bin=$build/bin
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The program's settings go to the scratch folder, not to the user's.
export QUILLON_CONFIG_DIR=$work/config
images=$bin/files/JClass/jimages
mkdir -p "$work/site" "$out"
cat >"$work/menu.json" <<JSON
{ "Kind": "akTabTree",
  "Settings": { "DefFolderClosed": 0, "DefFolderOpen": 1, "DefLeaf": 2 },
  "ImageFiles": ["$images/BookC.gif", "$images/BookO.gif", "$images/Leaf.gif"],
  "Tabs": [
    { "Caption": "Products", "TabPage": { "URL1": "products.htm", "Target1": "main" },
      "Nodes": [
        { "Text": "Catalogue",
          "Data": { "URL1": "catalogue.htm", "Target1": "main", "StatusText": "All our products",
                    "CollapsedImage": 0, "ExpandedImage": 1 },
          "Children": [
            { "Text": "Prices", "Data": { "URL1": "prices.htm", "CollapsedImage": 2 } },
            { "Text": "New this month", "Data": { "URL1": "new.htm", "CollapsedImage": 2 } } ] },
        { "Text": "Ordering", "Data": { "URL1": "order.htm", "CollapsedImage": 2 } } ] },
    { "Caption": "Support", "Nodes": [ { "Text": "Questions", "Data": { "CollapsedImage": 2 } } ] },
    { "Caption": "About us", "Nodes": [ { "Text": "Contact", "Data": { "CollapsedImage": 2 } } ] } ] }
JSON
"$bin/quillon-cli" write "$work/menu.json" "$work/site/index.htm" >/dev/null 2>&1

shoot() { xvfb-run -a -s "-screen 0 1024x768x24" "$bin/quillon" "$@" 2>/dev/null; }
shoot --screenshot "$out"
shoot --open "$work/site/index.htm" --screenshot "$out"
ls "$out"/*.png
