#!/usr/bin/env bash
# Starts the real program on a copy of the shipped data, lets it save a screenshot of
# its main window and end; fails unless it does so within the time limit. It also has the
# program write its start-up marks, which the start-up measurement reads: each once, in the
# order of start-up, on a clock that never goes back.
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
QT_LOGGING_RULES="vidorra.startup.debug=true" VIDORRA_HOME="$home" VIDORRA_SERVER="http://127.0.0.1:9/" \
  VIDORRA_SCREENSHOT="$out" timeout 60 "$binary" 2> >(tee "$home/stderr" >&2)
test -s "$out"
python3 - "$home/stderr" <<'EOF'
import sys
expected = ["main", "application made", "main window made", "program put together", '"Please wait" shown',
            "update check done", "lists read", "tree built", "window shown", "window drawn"]
marks = [line.split(": ", 1)[1].split("|") for line in open(sys.argv[1], errors="replace")
         if line.startswith("vidorra.startup: ")]
names, times = [m[0] for m in marks], [int(m[1]) for m in marks]
if names != expected or times != sorted(times):
    sys.exit(f"start-up marks out of order or missing: {names}")
EOF
# The web engine (the banner) is loaded once the window is up; it must be found.
if grep -q "could not be loaded" "$home/stderr"; then
  echo "a module of the program could not be loaded"; exit 1
fi
echo "screenshot: $out"
