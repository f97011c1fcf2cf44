#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's environment; CTest uses
# it as the emulator of the cross-compiled test programs.
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEPREFIX="${WINEPREFIX:-$ROOT/build/wineprefix}"
export WINEARCH=win32
export WINEDEBUG="${WINEDEBUG:--all}"
exec wine "$@"
