#!/usr/bin/env bash
# Installs the built program into a scratch prefix, moves that prefix elsewhere, and starts
# the installed program with a fresh $XDG_DATA_HOME: it must seed its folder from the
# installed defaults, show its main window (saved as a screenshot) and end. The launcher
# entry and the AppStream description must validate.
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cmake --install "$build" --prefix "$scratch/first" >/dev/null
mv "$scratch/first" "$scratch/moved" # relocatable: any prefix works
prefix=$scratch/moved
test -x "$prefix/bin/vidorra"
test -f "$prefix/share/vidorra/inf"
test -n "$(find "$prefix" -path '*/vidorra/vidorra-web.so')" || { echo "the web engine module is not installed"; exit 1; }
test -f "$prefix/share/icons/hicolor/48x48/apps/vidorra.png"
test -f "$prefix/share/icons/hicolor/scalable/apps/vidorra.svg"
desktop-file-validate "$prefix/share/applications/example.vidorra.Vidorra.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/example.vidorra.Vidorra.metainfo.xml" >/dev/null

data=$scratch/data
mkdir -p "$data"
shot=$scratch/window.png
env -u VIDORRA_HOME XDG_DATA_HOME="$data" VIDORRA_SERVER="http://127.0.0.1:9/" VIDORRA_SCREENSHOT="$shot" \
  timeout 60 "$prefix/bin/vidorra" 2> >(tee "$scratch/stderr" >&2)
test -s "$shot"
# The installed program finds its web engine module beside it, wherever the prefix went.
if grep -q "could not be loaded" "$scratch/stderr"; then
  echo "the installed program could not load a module of its own"; exit 1
fi
for seeded in inf fav.fav avtapit.dll atlr.dll apcupm.dll Language/english Language/arabic; do
  test -f "$data/vidorra/$seeded" || { echo "not seeded: $seeded"; exit 1; }
done
# A second start never overwrites what the user has.
printf 'mine' >"$data/vidorra/fav.fav"
env -u VIDORRA_HOME XDG_DATA_HOME="$data" VIDORRA_SERVER="http://127.0.0.1:9/" VIDORRA_SCREENSHOT="$shot" \
  timeout 60 "$prefix/bin/vidorra"
test "$(cat "$data/vidorra/fav.fav")" = mine
echo "installed program started from $prefix"
