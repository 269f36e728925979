#!/usr/bin/env bash
# Fails when a source file reaches above its layer: the logic never includes a
# widget, and each library uses only the layers below it.
set -u
src=${1:?usage: check_layers.sh SRC_DIR}
status=0

# folder: the folders its includes may name (besides its own)
declare -A allowed=(
  [ports]=""
  [manual]=""
  [imaging]=""
  [model]="imaging ports"
  [format]="model imaging ports"
  [generators]="model format imaging ports"
  [net]="ports"
  [indexer]="model format net imaging ports"
  [app]="model format generators net indexer imaging ports"
  [cli]="app model format generators net indexer imaging ports cli manual"
  [gui]="app model format generators net indexer imaging ports gui manual"
)

for folder in "${!allowed[@]}"; do
  [ -d "$src/$folder" ] || continue
  while IFS= read -r line; do
    file=${line%%:*}
    included=$(sed -E 's/.*#include "([a-z_]+)\/.*/\1/' <<<"$line")
    [ "$included" = "$folder" ] && continue
    if [[ " ${allowed[$folder]} " != *" $included "* ]]; then
      echo "$file reaches up into $included: $line"
      status=1
    fi
  done < <(grep -HnE '^#include "[a-z_]+/' -r "$src/$folder" --include='*.cpp' --include='*.hpp' | sed 's/^\([^:]*\):[0-9]*:/\1:/')
  if [ "$folder" != gui ]; then
    if grep -rnE '#include <(QtWidgets|QWidget|QMainWindow|QDialog|QApplication|QMessageBox|QAbstract[A-Za-z]*View|Q[A-Za-z]*(Button|Box|Edit|Label|View|Widget|Dialog))' \
        "$src/$folder" --include='*.cpp' --include='*.hpp'; then
      echo "Qt Widgets used outside src/gui (above)"
      status=1
    fi
  fi
done
[ $status -eq 0 ] && echo "layers respected"
exit $status
