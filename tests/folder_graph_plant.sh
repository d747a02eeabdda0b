#!/usr/bin/env bash
# The folder graph check must fail on an include against the layers: a copy of src/ with
# one planted include each time.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
plant() { # file include
  rm -rf "$copy/src" && cp -r "$top/src" "$copy/src"
  printf '#include "%s"\n' "$2" >>"$copy/src/$1"
  if bash "$top/tools/folder-graph.sh" "$copy/src" >/dev/null 2>&1; then
    echo "not caught: $1 including $2"
    exit 1
  fi
}
plant ui/MainWindow.cpp catalogue/CatalogueView.h            # ui/ includes a feature
plant platform/MpvPlayer.cpp ui/MainWindow.h                 # platform/ includes ui/
plant state/Settings.cpp platform/core/Transfer.h            # state/ includes platform
plant schedule/core/ScheduleStore.cpp schedule/ReminderWindow.h  # a core/ includes windows
plant base/FileIo.cpp state/Settings.h                       # base/ includes anything
plant catalogue/CatalogueView.cpp app/Application.h          # a feature includes app/
plant search/SearchCommand.cpp catalogue/CatalogueView.h     # a feature includes another's window
plant schedule/ScheduleCommands.h playback/Playback.h        # ... or its commands, past the face
bash "$top/tools/folder-graph.sh" "$top/src" >/dev/null
echo "every planted include was caught"
