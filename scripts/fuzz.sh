#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a short, bounded
# time from its seed corpus. Any crash fails the run; the crashing input is
# left in build/fuzz/ to be kept as a regression case.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
SECONDS_PER_TARGET="${FUZZ_SECONDS:-20}"

CC=clang CXX=clang++ cmake -S "$ROOT" -B "$BUILD/fuzz" -DLOMVEX_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD/fuzz" -j "$JOBS"
for target in "$BUILD"/fuzz/*_fuzz; do
  name="$(basename "$target")"
  corpus="$BUILD/fuzz/corpus-$name"
  mkdir -p "$corpus"
  seeds="$ROOT/tests/fuzz/corpus/$name"
  echo "== fuzz $name for ${SECONDS_PER_TARGET}s =="
  (cd "$BUILD/fuzz" && "$target" -max_total_time="$SECONDS_PER_TARGET" -print_final_stats=1 \
    "$corpus" $( [ -d "$seeds" ] && echo "$seeds" ) 2>&1 | grep -E '^(stat::number_of_executed_units|Done|==.*ERROR|SUMMARY)' ) \
    || true
  if ls "$BUILD"/fuzz/crash-* >/dev/null 2>&1; then
    echo "fuzz target $name crashed"
    exit 1
  fi
done
