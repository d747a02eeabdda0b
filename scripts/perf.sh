#!/usr/bin/env bash
# Measures Vidorra beside its yardsticks (an empty Qt window, bare libmpv, mpv) on this
# machine, side by side in one run, under Xvfb, and prints the table that goes into
# docs/performance.md. Build: RelWithDebInfo in build/perf. Takes about five minutes.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

bash scripts/install-deps.sh
if ! command -v mpv >/dev/null; then
  sudo_cmd=(); [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends mpv >/dev/null
fi
cmake -S . -B build/perf -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVIDORRA_TESTS=OFF >/dev/null
cmake --build build/perf --target vidorra empty_window catalogue_bench tree_bench playback_bench
mkdir -p /tmp/vidorra-perf-runtime && chmod 700 /tmp/vidorra-perf-runtime
XDG_RUNTIME_DIR=/tmp/vidorra-perf-runtime xvfb-run -a -s "-screen 0 1280x900x24" \
  python3 tools/perf/measure.py build/perf
