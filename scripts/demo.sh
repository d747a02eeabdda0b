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

# A fresh program folder from the shipped defaults for every demo run.
home="$top/build/demo-home"
rm -rf "$home"
cp -r data "$home"
export VIDORRA_HOME="$home"

server_pid=""
cleanup() { [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null || true; }
trap cleanup EXIT
if [ -d server ]; then
  port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])')
  python3 -m http.server --bind 127.0.0.1 --directory server "$port" >/dev/null 2>&1 &
  server_pid=$!
  export VIDORRA_SERVER="http://127.0.0.1:$port/"
fi

# The embedded browser refuses to run as root without this.
[ "$(id -u)" -eq 0 ] && export QTWEBENGINE_DISABLE_SANDBOX=1

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec_status=0
  build/release/bin/vidorra || exec_status=$?
  exit $exec_status
fi

shot="$top/build/demo-screenshot.png"
rm -f "$shot"
VIDORRA_SCREENSHOT="$shot" xvfb-run -a -s "-screen 0 1280x900x24" build/release/bin/vidorra
if [ -f "$shot" ]; then
  echo "No display: Vidorra ran under Xvfb; its main window is in $shot"
else
  echo "No screenshot was written" >&2
  exit 1
fi
