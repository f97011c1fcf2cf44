#!/usr/bin/env bash
# Installs what is missing, builds Lomvex and starts it under Wine with the
# demo song, or with the arguments given (a file to open, "/P", "/E", ...).
# Without a display it runs on a virtual one and, after a few seconds,
# writes a screenshot of the screen to build/screenshot.png.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_packages
ensure_japanese_locale
if ! runs_32bit_natively; then
  echo "This machine cannot run 32-bit x86 programs, which Wine needs to run" >&2
  echo "lomvex.exe. Run it on a machine that can, or on Windows: build the" >&2
  echo "package with 'cmake --build build/win32 --target package'." >&2
  exit 1
fi
had_display="${DISPLAY:-}"
ensure_display
setup_wine_env user
if ! start_wine_services; then
  echo "The Wine server would not start for $WINEPREFIX; try 'wineserver -k'" \
    "with WINEPREFIX=$WINEPREFIX, then run this again." >&2
  exit 1
fi
echo "Sound goes to $SOUND_ROUTE."
cmake -S "$ROOT" -B "$BUILD/win32" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-i686.cmake" \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$BUILD/win32" -j "$JOBS" --target lomvex lomvex_demo_song

# Without arguments Lomvex opens the demo song: choose "L-R(minusOne)" and
# press Play to hear its voice removed.
[ $# -gt 0 ] || set -- "$(winepath -w "$BUILD/win32/demo_song.wav")"

if [ -n "$had_display" ]; then
  exec wine "$BUILD/win32/lomvex.exe" "$@"
fi
wine "$BUILD/win32/lomvex.exe" "$@" &
program=$!
sleep "${SCREENSHOT_DELAY:-5}"
import -window root "$BUILD/screenshot.png"
echo "Screenshot: $BUILD/screenshot.png (the program runs on virtual display $DISPLAY)"
wait "$program"
