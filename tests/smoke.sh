#!/usr/bin/env bash
# Starts the real program on a copy of the shipped data, lets it save a screenshot of
# its main window and end; fails unless it does so within the time limit.
set -euo pipefail
binary=$1
data=$2
out=$3
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
cp -r "$data"/. "$home"
mkdir -p "$(dirname "$out")"
rm -f "$out"
# The vendor's server on loopback where nothing answers: the test reaches no other host,
# and the banner shows its offline picture.
VIDORRA_HOME="$home" VIDORRA_SERVER="http://127.0.0.1:9/" VIDORRA_SCREENSHOT="$out" timeout 60 "$binary" \
  2> >(tee "$home/stderr" >&2)
test -s "$out"
# The web engine (the banner) is loaded once the window is up; it must be found.
if grep -q "could not be loaded" "$home/stderr"; then
  echo "a module of the program could not be loaded"; exit 1
fi
echo "screenshot: $out"
