#!/usr/bin/env bash
# Builds the fuzz targets with clang, AddressSanitizer and UndefinedBehaviorSanitizer, and
# runs each over its corpus.
#   bash scripts/fuzz.sh [SECONDS]   each target SECONDS (300); what it finds new joins
#                                    fuzz/corpus/<target>, a crashing input fuzz/crashes/<target>
#   bash scripts/fuzz.sh --ci SECONDS  the same, writing nothing into the repository (CI)
# Every input once found to crash is run first and must run clean now.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

ci=false
if [ "${1:-}" = "--ci" ]; then
  ci=true
  shift
fi
seconds=${1:-300}

bash scripts/install-deps.sh
CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVIDORRA_SANITIZE=ON -DVIDORRA_FUZZ=ON -DVIDORRA_TESTS=OFF -DVIDORRA_BENCH=OFF >/dev/null
cmake --build build/fuzz --target fuzz_targets >/dev/null

export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

failed=0
printf '%-22s %12s %8s\n' target executions crashes
for binary in build/fuzz/fuzz/*_fuzz; do
  target=$(basename "$binary")
  corpus=fuzz/corpus/$target
  crashes=fuzz/crashes/$target
  mkdir -p "$corpus"
  if compgen -G "$crashes/*" >/dev/null; then
    if ! "$binary" "$crashes"/* >"$scratch/$target.regressions" 2>&1; then
      echo "$target: an input that crashed before crashes again:"
      tail -n 20 "$scratch/$target.regressions"
      failed=1
    fi
  fi
  if $ci; then
    work=$scratch/$target && mkdir -p "$work"
    artefacts=$scratch/$target-
    dirs=("$work" "$corpus" fuzz/seeds/"$target")
  else
    mkdir -p "$crashes"
    artefacts=$crashes/
    dirs=("$corpus" fuzz/seeds/"$target")
  fi
  status=0
  "$binary" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$artefacts" "${dirs[@]}" >"$scratch/$target.log" 2>&1 || status=$?
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$scratch/$target.log")
  found=$(grep -c '^==[0-9]*== ERROR\|does not hold' "$scratch/$target.log" || true)
  printf '%-22s %12s %8s\n' "$target" "${executions:-0}" "$found"
  if [ "$status" -ne 0 ]; then
    tail -n 30 "$scratch/$target.log"
    failed=1
  fi
done
exit $failed
