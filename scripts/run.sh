#!/usr/bin/env bash
# Installs what is missing, builds Lomvex and starts it under Wine with the
# demo song, or with the arguments given (a file to open, "/P", "/E", ...).
# Without a display it runs on a virtual one and, after a few seconds,
# writes a screenshot of the screen to build/screenshot.png; with
# LOMVEX_RUN_UNTIL_SCREENSHOT=1 (CI) it then ends the program.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_packages
ensure_japanese_locale
had_display="${DISPLAY:-}"
ensure_display
setup_wine_env user
if ! start_wine_services; then
  echo "The Wine server would not start for $WINEPREFIX; try 'wineserver -k'" \
    "with WINEPREFIX=$WINEPREFIX, then run this again." >&2
  exit 1
fi
echo "Sound goes to $SOUND_ROUTE."
if [ "$WINE_TREE" != win32 ]; then
  echo "This machine cannot run 32-bit x86 programs: running the 64-bit build" \
    "of Lomvex ($BUILD/$WINE_TREE/lomvex.exe)."
fi
build_windows_tree "$WINE_TREE" "$WINE_TOOLCHAIN" --target lomvex lomvex_demo_song

# Without arguments Lomvex opens the demo song: choose "L-R(minusOne)" and
# press Play to hear its voice removed.
[ $# -gt 0 ] || set -- "$("$WINE" winepath -w "$BUILD/$WINE_TREE/demo_song.wav")"

if [ -n "$had_display" ]; then
  exec "$WINE" "$BUILD/$WINE_TREE/lomvex.exe" "$@"
fi
"$WINE" "$BUILD/$WINE_TREE/lomvex.exe" "$@" &
program=$!
sleep "${SCREENSHOT_DELAY:-5}"
import -window root "$BUILD/screenshot.png"
echo "Screenshot: $BUILD/screenshot.png (the program runs on virtual display $DISPLAY)"
if [ "${LOMVEX_RUN_UNTIL_SCREENSHOT:-}" = 1 ]; then
  wineserver -k </dev/null >/dev/null 2>&1 || true
  wait "$program" || true
  stop_display
  exit 0
fi
wait "$program"
