#!/usr/bin/env bash
# Where OpenGL would only be emulated, the real program plays and shows its banner without
# loading an OpenGL driver at all: checked in its memory map once the web engine has
# started, and in what it leaves to the programs it starts. The web engine starts no
# helper it does not need.
set -euo pipefail
binary=$1
data=$2
home=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$home"' EXIT
cp -r "$data"/. "$home"
VIDORRA_HOME="$home" VIDORRA_SERVER="http://127.0.0.1:9/" VIDORRA_VIDEO_OUTPUT=software \
  VIDORRA_SCREENSHOT="$home/shot.png" VIDORRA_SCREENSHOT_DELAY_MS=20000 "$binary" 2>"$home/stderr" &
pid=$!

# The web engine has started, and shows the banner, once it runs a page's renderer.
renderer_runs() {
  local child
  for child in $(pgrep -P "$pid"); do
    pgrep -P "$child" -f -- '--type=renderer' >/dev/null && return 0
  done
  return 1
}
for _ in $(seq 600); do
  renderer_runs && break
  kill -0 "$pid" 2>/dev/null || { cat "$home/stderr"; echo "the program ended early"; exit 1; }
  sleep 0.05
done
renderer_runs || { echo "the web engine never showed a page"; exit 1; }

loaded=$(grep -oE '[^/ ]*(swrast_dri|libLLVM|libGLX_mesa|libEGL_mesa)[^ ]*' "/proc/$pid/maps" | sort -u || true)
if [ -n "$loaded" ]; then
  echo "an OpenGL driver was loaded:"; echo "$loaded"; exit 1
fi
if tr '\0' '\n' <"/proc/$pid/environ" | grep -q '^QT_XCB_GL_INTEGRATION='; then
  echo "the setting that leaves OpenGL out stayed in the environment"; exit 1
fi
# Only the sandbox's helper that starts renderers runs; none kept ready for helpers without one.
if pgrep -P "$pid" -f -- '--no-zygote-sandbox' >/dev/null; then
  echo "the web engine keeps a helper for processes without a sandbox"; exit 1
fi
echo "no OpenGL driver loaded, no helper for unsandboxed processes"
