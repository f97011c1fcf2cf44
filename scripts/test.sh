#!/usr/bin/env bash
# Installs what is missing, builds both trees and runs every test: the native
# unit tests, then the Wine tests (Win32 and end-to-end), then short fuzz
# runs, so that a failure in one stage never hides the results of the
# others. Ends with CTest's summaries and a line naming the stages that
# failed; exits non-zero when any did. The Wine server, its services and the
# virtual display started here are stopped on the way out.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

LOGS="$BUILD/logs"
FULL_DISK="$BUILD/fulldisk"

stop_test_environment() {
  stop_sound_server
  stop_wine_server
  stop_display
  if [ -n "${LOMVEX_FULL_DISK:-}" ]; then umount "$FULL_DISK" 2>/dev/null || true; fi
}
trap stop_test_environment EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

install_packages
ensure_japanese_locale
# A session left by a hand run of the Wine tests (wine-run.sh) ends first:
# its keeper would end the server and display this run uses.
close_wine_session
ensure_display
setup_wine_env
configure_and_build

# A small file system that fills up, for the full-disk save test (skipped
# where nothing can be mounted).
mkdir -p "$FULL_DISK"
if mountpoint -q "$FULL_DISK" || mount -t tmpfs -o size=256k tmpfs "$FULL_DISK" 2>/dev/null; then
  export LOMVEX_FULL_DISK="$FULL_DISK"
  rm -f "$FULL_DISK"/*
fi

mkdir -p "$LOGS"
rm -f "$LOGS"/*.log
failed=()

echo "== Native tests =="
if ! ctest --test-dir "$BUILD/native" --output-on-failure -j "$JOBS" 2>&1 | tee "$LOGS/native.log"; then
  failed+=("native tests")
fi

echo "== Wine tests ($WINE_TREE build) =="
wine_stage="Wine tests"
if [ "$WINE_TREE" != win32 ]; then
  wine_stage="Wine tests of the 64-bit build (this machine runs no 32-bit x86)"
  echo "This machine cannot run 32-bit x86 programs: the Win32 and end-to-end" \
    "tests run on the 64-bit build of the same sources under 64-bit Wine."
fi
# One server with Wine's services for all Wine tests; the test wrapper
# (wine-run.sh) finds the environment ready and only starts wine.
if start_wine_services; then
  export LOMVEX_WINE_READY=1
  # Every test but monitoring plays into the ALSA file route; the monitoring
  # tests run apart, with the sound server that carries a real input.
  if ! ctest --test-dir "$BUILD/$WINE_TREE" --output-on-failure --timeout 300 -E '^e2e\.Monitor' \
    2>&1 | tee "$LOGS/wine.log"; then
    failed+=("$wine_stage")
  fi
  echo "== Monitoring tests (a sound server with a real input) =="
  if ! start_sound_server; then
    failed+=("monitoring tests (the sound server did not start)")
  elif ! PULSE_SERVER="unix:$PULSE_DIR/native" ctest --test-dir "$BUILD/$WINE_TREE" \
    --output-on-failure --timeout 300 -R '^e2e\.Monitor' 2>&1 | tee "$LOGS/monitor.log"; then
    failed+=("monitoring tests")
  fi
  stop_sound_server
else
  echo "No Wine tests: the Wine server did not start" | tee "$LOGS/wine.log"
  failed+=("$wine_stage")
fi
stop_wine_server

echo "== Fuzzing =="
if ! "$ROOT/scripts/fuzz.sh" 2>&1 | tee "$LOGS/fuzz.log"; then
  failed+=("fuzzing")
fi

# CTest's summaries again, after the fuzzing output.
for tree in native wine monitor; do
  echo "== CTest summary, $tree =="
  if grep -q 'tests passed, ' "$LOGS/$tree.log" 2>/dev/null; then
    sed -n '/tests passed, /,$p' "$LOGS/$tree.log"
  else
    tail -n 5 "$LOGS/$tree.log" 2>/dev/null || true
  fi
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "FAILED: $(printf '%s, ' "${failed[@]}" | sed 's/, $//')"
  exit 1
fi
echo "Passed: native tests, $wine_stage, fuzzing"
