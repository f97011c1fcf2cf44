#!/usr/bin/env bash
# Installs what is missing, builds both trees, runs every test (native unit
# tests, short fuzz runs, Wine tests, end-to-end tests) and ends with CTest's
# summary. Exits non-zero on any failure.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_packages
ensure_japanese_locale
ensure_display
setup_wine_env
configure_and_build
"$ROOT/scripts/fuzz.sh"

# A small file system that fills up, for the full-disk save test (skipped
# where nothing can be mounted).
FULL_DISK="$BUILD/fulldisk"
mkdir -p "$FULL_DISK"
if mountpoint -q "$FULL_DISK" || mount -t tmpfs -o size=256k tmpfs "$FULL_DISK" 2>/dev/null; then
  export LOMVEX_FULL_DISK="$FULL_DISK"
  rm -f "$FULL_DISK"/*
  trap 'umount "$FULL_DISK" 2>/dev/null || true' EXIT
fi

status=0
echo "== Native tests =="
ctest --test-dir "$BUILD/native" --output-on-failure -j "$JOBS" || status=1
echo "== Wine tests =="
start_wine_services
ctest --test-dir "$BUILD/win32" --output-on-failure --timeout 300 || status=1
exit $status
