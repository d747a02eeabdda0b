#!/usr/bin/env bash
# Installs what is missing, runs every fuzz target briefly, builds Vidorra and its tests
# with AddressSanitizer and UndefinedBehaviorSanitizer, and runs the whole suite headless
# under Xvfb.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

bash scripts/install-deps.sh
# Every parser under libFuzzer for a short while, on the corpus kept in the repository.
bash scripts/fuzz.sh --ci "${VIDORRA_FUZZ_SECONDS:-20}"

cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DVIDORRA_SANITIZE=ON -DVIDORRA_WERROR=ON -DVIDORRA_BENCH=ON >/dev/null
cmake --build build/asan

export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1:detect_stack_use_after_return=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
[ "$(id -u)" -eq 0 ] && export QTWEBENGINE_DISABLE_SANDBOX=1

cd build/asan
xvfb-run -a -s "-screen 0 1280x900x24" ctest --output-on-failure --timeout 300 "$@"
