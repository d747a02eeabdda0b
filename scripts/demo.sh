#!/usr/bin/env bash
# Installs what is missing, builds Vidorra and starts it on its shipped data. The vendor
# site in server/ is served on loopback, so the demo works offline. Without a display
# the program runs under Xvfb, saves a screenshot once started, and ends.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

bash scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVIDORRA_TESTS=OFF -DVIDORRA_BENCH=OFF >/dev/null
cmake --build build/release --target vidorra

# A fresh program folder from the shipped defaults for every demo run. Its stamps are
# stale and list updates are on, so the first start downloads the lists from the site.
home="$top/build/demo-home"
rm -rf "$home"
cp -r data "$home"
sed -i 's/^updatechannel=0\r$/updatechannel=1\r/' "$home/inf"
export VIDORRA_HOME="$home"

# The vendor's site on loopback, port 8765 (its loopback channels name that port), with
# the two streams it serves made on first use.
mkdir -p server/streams
[ -f server/streams/testcard.ts ] || ffmpeg -loglevel error -y -f lavfi -i "testsrc=size=640x360:rate=25:duration=300" \
  -f lavfi -i "sine=frequency=440:duration=300" -shortest -c:v mpeg2video -q:v 5 -c:a mp2 server/streams/testcard.ts
[ -f server/streams/tone.mp3 ] || ffmpeg -loglevel error -y -f lavfi -i "sine=frequency=523:duration=300" \
  -b:a 64k server/streams/tone.mp3
# The programme guide covers the week from yesterday, so it is made afresh for each run.
python3 tools/site/guide.py
python3 -m http.server --bind 127.0.0.1 --directory server 8765 >/dev/null 2>&1 &
server_pid=$!
cleanup() { kill "$server_pid" 2>/dev/null || true; }
trap cleanup EXIT
export VIDORRA_SERVER="http://127.0.0.1:8765/"

# The embedded browser refuses to run as root without this.
[ "$(id -u)" -eq 0 ] && export QTWEBENGINE_DISABLE_SANDBOX=1

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec_status=0
  build/release/bin/vidorra "$@" || exec_status=$?
  exit $exec_status
fi

shot="$top/build/demo-screenshot.png"
rm -f "$shot"
# Given something to play, the screenshot waits until it plays.
delay=1500
[ $# -gt 0 ] && delay=8000
VIDORRA_SCREENSHOT="$shot" VIDORRA_SCREENSHOT_DELAY_MS=$delay xvfb-run -a -s "-screen 0 1280x900x24" \
  build/release/bin/vidorra "$@"
if [ -f "$shot" ]; then
  echo "No display: Vidorra ran under Xvfb; its main window is in $shot"
else
  echo "No screenshot was written" >&2
  exit 1
fi
