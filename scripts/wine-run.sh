#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's test environment; CTest
# uses it as the emulator of the cross-compiled test programs.
#
# test.sh sets the environment up once and exports it (LOMVEX_WINE_READY), so
# then this only starts wine. Started otherwise, e.g. by
# `ctest --test-dir build/win32` in a fresh shell, it joins or sets up a
# session of its own (common.sh): the private prefix, the test HOME whose
# ALSA configuration writes played sound to a file, a virtual display when
# there is none, and a Wine server with Wine's services, all ended a few
# seconds after the last test program.
if [ "${LOMVEX_WINE_READY:-}" != 1 ]; then
  source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
  join_wine_session
fi
exec "${WINE:-wine}" "$@"
