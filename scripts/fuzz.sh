#!/usr/bin/env bash
# Builds the libFuzzer targets (tests/fuzz/*_fuzz.cpp) with clang and runs
# each for a short, bounded time over its seed corpus (tests/fuzz/corpus/NAME),
# its regression inputs (tests/fuzz/regression/NAME) and what it found in
# earlier runs (build/fuzz/corpus-NAME).
#
# A crash, leak, out-of-memory or too slow input fails the run with a message
# naming the target, and the input is copied into the target's regression
# folder so that every later run replays it: commit it there with the fix.
# libFuzzer writes into a folder emptied for each run
# (build/fuzz/artifacts/NAME), so files of an earlier failure never fail a
# later run. Exits non-zero when any target failed; the others still run.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
shopt -s extglob
SECONDS_PER_TARGET="${FUZZ_SECONDS:-20}"
SECONDS_PER_INPUT="${FUZZ_INPUT_SECONDS:-10}"
FUZZ="$BUILD/fuzz"

install_fuzz_packages
CC=clang CXX=clang++ cmake -S "$ROOT" -B "$FUZZ" -DLOMVEX_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$FUZZ" -j "$JOBS"

# Copies the failing inputs of `artifacts` into `regression`, skipping those
# it already holds; prints where each one is.
keep_failing_inputs() {
  local artifacts="$1" regression="$2" input kept known
  mkdir -p "$regression"
  for input in "$artifacts"/crash-* "$artifacts"/leak-* "$artifacts"/timeout-* "$artifacts"/oom-*; do
    [ -f "$input" ] || continue
    kept=""
    for known in "$regression"/*; do
      if [ -f "$known" ] && cmp -s "$input" "$known"; then kept="$known"; fi
    done
    if [ -z "$kept" ]; then
      kept="$regression/$(basename "$input")"
      cp "$input" "$kept"
    fi
    echo "  failing input: ${kept#"$ROOT"/}"
  done
}

failed=()
for source in "$ROOT"/tests/fuzz/*_fuzz.cpp; do
  name="$(basename "$source" .cpp)"
  target="$FUZZ/$name"
  corpus="$FUZZ/corpus-$name"
  artifacts="$FUZZ/artifacts/$name"
  log="$FUZZ/logs/$name.log"
  regression="$ROOT/tests/fuzz/regression/$name"
  rm -rf "$artifacts"
  mkdir -p "$corpus" "$artifacts" "$(dirname "$log")"
  inputs=("$corpus")
  for folder in "$ROOT/tests/fuzz/corpus/$name" "$regression"; do
    [ -d "$folder" ] && inputs+=("$folder")
  done

  echo "== fuzz $name for ${SECONDS_PER_TARGET}s =="
  status=0
  (cd "$artifacts" && "$target" -max_total_time="$SECONDS_PER_TARGET" \
    -timeout="$SECONDS_PER_INPUT" -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$artifacts/" "${inputs[@]}") >"$log" 2>&1 || status=$?
  grep -E '^(stat::number_of_executed_units|Done |==[0-9]+== ?ERROR|ERROR: libFuzzer|SUMMARY)' "$log" || true
  if [ "$status" -ne 0 ] || compgen -G "$artifacts/@(crash|leak|timeout|oom)-*" >/dev/null; then
    echo "FUZZ FAILURE in target $name (exit status $status); log: ${log#"$ROOT"/}"
    keep_failing_inputs "$artifacts" "$regression"
    failed+=("$name")
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "Fuzz targets that failed: ${failed[*]}"
  exit 1
fi
echo "Fuzzing passed"
