# shellcheck shell=bash
# Shared by run.sh, test.sh, fuzz.sh and wine-run.sh: installs what is
# missing, sets up the Wine environment inside the build tree and the virtual
# display, and stops the Wine server and display it started.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$ROOT/build"
JOBS="${JOBS:-2}"

# Besides these, the clang runtime (sanitizers, libFuzzer) of the installed
# clang's version: see clang_runtime_package.
APT_PACKAGES=(cmake g++ clang libgtest-dev libbenchmark-dev libfftw3-dev
  g++-mingw-w64-i686 wine wine32:i386 xvfb x11-utils imagemagick
  fonts-ipafont-gothic locales sox lame vorbis-tools pulseaudio pulseaudio-utils
  libpulse0:i386 python3 libstb-dev)

APT_UPDATED=""

# Fetches the package lists. A mirror being synced refuses one list now and
# then ("File has unexpected size"), and a minute later serves it: so this
# tries a few times, and then goes on with the lists it has, since the
# packages wanted are mostly in the lists that did arrive; the install that
# follows says clearly which of them cannot be had.
update_package_lists() {
  local sudo="$1" attempt
  for attempt in 1 2 3 4; do
    $sudo apt-get update -q && return 0
    echo "apt-get update failed (attempt $attempt of 4)" >&2
    [ "$attempt" -lt 4 ] && sleep 20
  done
  echo "Going on with the package lists that could be fetched" >&2
}

# Installs the packages of the list that are not installed yet.
apt_install_missing() {
  local missing=() package
  for package in "$@"; do
    dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  if printf '%s\n' "${missing[@]}" | grep -q ':i386$' &&
    ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386
    APT_UPDATED=""
  fi
  if [ -z "$APT_UPDATED" ]; then
    update_package_lists "$sudo"
    APT_UPDATED=1
  fi
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "${missing[@]}"
}

# The package of the compiler runtime that `clang` links with -fsanitize:
# the one of clang's own major version (libclang-rt-14-dev for clang 14).
clang_runtime_package() {
  local major
  major="$(clang --version | sed -n 's/.*clang version \([0-9][0-9]*\).*/\1/p' | head -n 1)"
  if [ -z "$major" ]; then
    echo "Cannot tell the version of clang from 'clang --version'" >&2
    return 1
  fi
  echo "libclang-rt-$major-dev"
}

# What fuzz.sh needs: cmake, clang and clang's runtime. clang comes first,
# because its version decides which runtime package fits.
install_fuzz_packages() {
  apt_install_missing clang
  apt_install_missing cmake "$(clang_runtime_package)"
}

install_packages() {
  apt_install_missing clang
  apt_install_missing "${APT_PACKAGES[@]}" "$(clang_runtime_package)"
  choose_wine_build
  if [ "$WINE_TREE" = win64 ]; then
    apt_install_missing wine64 g++-mingw-w64-x86-64-posix
  fi
}

# Whether this machine runs 32-bit x86 programs itself, as 32-bit Wine
# needs. Some virtual machines have no 32-bit mode; an emulator registered
# for such programs is no substitute: Wine under it takes minutes to start a
# program, far beyond what the tests can wait.
runs_32bit_natively() {
  local emulator=/proc/sys/fs/binfmt_misc/qemu-i386
  if [ -f "$emulator" ] && head -n 1 "$emulator" | grep -qx enabled; then return 1; fi
  /lib/ld-linux.so.2 --version >/dev/null 2>&1
}

# Which Windows build runs under Wine here, for the tests and run.sh.
# lomvex.exe ships as a 32-bit program (build/win32). A machine that cannot
# run 32-bit x86 code runs the same sources built for 64-bit Windows
# (build/win64) under 64-bit Wine instead, so that every Win32 and
# end-to-end test still runs. Sets WINE_TREE, WINE_TOOLCHAIN, WINE_ARCH,
# WINE (the loader to start programs with) and WINE_PREFIX_PATH; decided
# once, after the packages are installed.
choose_wine_build() {
  [ -z "${WINE_TREE:-}" ] || return 0
  if runs_32bit_natively; then
    WINE_TREE=win32 WINE_TOOLCHAIN=mingw-i686 WINE_ARCH=win32 WINE=wine
    WINE_PREFIX_PATH="$BUILD/wineprefix"
  else
    WINE_TREE=win64 WINE_TOOLCHAIN=mingw-x86_64 WINE_ARCH=win64 WINE=/usr/lib/wine/wine64
    WINE_PREFIX_PATH="$BUILD/wineprefix64"
  fi
  export WINE_TREE WINE
}

# Configures and builds one tree of Windows programs.
build_windows_tree() {
  local tree="$1" toolchain="$2"
  shift 2
  cmake -S "$ROOT" -B "$BUILD/$tree" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/$toolchain.cmake" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$BUILD/$tree" -j "$JOBS" "$@"
}

# Whether a sound device can be reached: an ALSA card, or a PulseAudio (or
# PipeWire) server of this user.
has_sound_device() {
  compgen -G '/dev/snd/pcmC*' >/dev/null && return 0
  [ -n "${PULSE_SERVER:-}" ] && return 0
  [ -S "${XDG_RUNTIME_DIR:-/nonexistent}/pulse/native" ]
}

ensure_japanese_locale() {
  locale -a 2>/dev/null | grep -qi '^ja_JP.utf8$' && return 0
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  $sudo locale-gen >/dev/null
}

# Xvfb on a free display when none is set. A display that works is used as
# it is; one started here is left in STARTED_XVFB_PID for stop_display. It
# runs in a session of its own with no descriptor of ours, so it never holds
# a pipe of the caller open.
STARTED_XVFB_PID=""
ensure_display() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then return 0; fi
  local number=99
  while [ -e "/tmp/.X${number}-lock" ] && ! DISPLAY=":$number" xdpyinfo >/dev/null 2>&1; do
    number=$((number + 1))
  done
  export DISPLAY=":$number"
  xdpyinfo >/dev/null 2>&1 && return 0
  setsid Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp </dev/null >/dev/null 2>&1 9>&- &
  STARTED_XVFB_PID=$!
  for _ in $(seq 100); do
    xdpyinfo >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  echo "Xvfb did not start on $DISPLAY" >&2
  stop_display
  return 1
}

stop_display() {
  [ -n "$STARTED_XVFB_PID" ] || return 0
  kill "$STARTED_XVFB_PID" 2>/dev/null || true
  # Not a child when started by another shell (a session's keeper).
  for _ in $(seq 50); do
    kill -0 "$STARTED_XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  STARTED_XVFB_PID=""
}

# Wine: a private 32-bit prefix in the build tree, and a HOME whose ALSA
# configuration sends played sound into a file instead of a sound card.
setup_wine_env() {
  choose_wine_build
  export WINEPREFIX="$WINE_PREFIX_PATH"
  export WINEARCH="$WINE_ARCH"
  # Programs that Wine starts (the test driver starts lomvex.exe) use the
  # same loader.
  if [ "$WINE_ARCH" = win64 ]; then export WINELOADER="$WINE"; fi
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  export LOMVEX_TEST_HOME="$BUILD/testhome"
  mkdir -p "$LOMVEX_TEST_HOME"
  # Replaced only when it differs, and at once, as a program may be reading it.
  cat >"$LOMVEX_TEST_HOME/.asoundrc.new" <<ASOUND
pcm.!default {
  type file
  slave.pcm "null"
  file "$LOMVEX_TEST_HOME/played.raw"
  format "raw"
}
ASOUND
  if cmp -s "$LOMVEX_TEST_HOME/.asoundrc.new" "$LOMVEX_TEST_HOME/.asoundrc"; then
    rm "$LOMVEX_TEST_HOME/.asoundrc.new"
  else
    mv "$LOMVEX_TEST_HOME/.asoundrc.new" "$LOMVEX_TEST_HOME/.asoundrc"
  fi
  # Programs without PULSE_SERVER never start a sound server of their own:
  # they use the ALSA route above.
  mkdir -p "$LOMVEX_TEST_HOME/.config/pulse"
  echo "autospawn = no" >"$LOMVEX_TEST_HOME/.config/pulse/client.conf"
  # The tests (and a run on a machine without sound) play into the file;
  # a person's run ("user") keeps their HOME and so their own sound device.
  if [ "${1:-}" = user ] && has_sound_device; then
    SOUND_ROUTE="your default sound device"
  else
    export HOME="$LOMVEX_TEST_HOME"
    SOUND_ROUTE="the file $LOMVEX_TEST_HOME/played.raw (no sound device here)"
  fi
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Creating the Wine prefix (once)..."
    "$WINE" wineboot --init </dev/null >/dev/null 2>&1 9>&- || true
    # A crash prints its backtrace instead of waiting in a dialog.
    "$WINE" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
      </dev/null >/dev/null 2>&1 9>&- || true
    wineserver -w || true
  fi
  link_japanese_fonts
}

# Wine's menu and dialog fonts have no Japanese glyphs: in Japanese mode the
# menu bar would show empty boxes. Link them to IPA Gothic (a fallback for
# the characters they lack, so English texts look as before) and let the
# usual Japanese Windows font names stand for it. Done once per prefix.
link_japanese_fonts() {
  local stamp="$WINEPREFIX/lomvex-fonts-linked" reg="$BUILD/japanese-fonts.reg"
  [ -f "$stamp" ] && return 0
  local link='hex(7):69,00,70,00,61,00,67,00,2e,00,74,00,74,00,66,00,2c,00,49,00,50,00,41,00,47,00,6f,00,74,00,68,00,69,00,63,00,00,00,00,00'
  {
    echo 'Windows Registry Editor Version 5.00'
    echo
    echo '[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink]'
    local font
    for font in 'Tahoma' 'MS Shell Dlg' 'MS Shell Dlg 2' 'MS Sans Serif' 'Microsoft Sans Serif'; do
      echo "\"$font\"=$link"
    done
    echo
    echo '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]'
    echo '"MS UI Gothic"="IPAGothic"'
    echo '"MS Gothic"="IPAGothic"'
    echo '"MS PGothic"="IPAPGothic"'
  } >"$reg"
  if "$WINE" regedit /S "$(winepath_of "$reg")" </dev/null >/dev/null 2>&1 9>&-; then
    touch "$stamp"
  else
    echo "Could not link the Japanese fonts in $WINEPREFIX: the menu may show" \
      "empty boxes in Japanese mode." >&2
  fi
}

# The Windows path of a file, for Wine programs: Z: is the Linux root.
winepath_of() {
  echo "Z:${1//\//\\}"
}

# Seconds a server started here outlives the last Wine program: long enough
# for the pause between two test programs, even when Wine starts slowly;
# test.sh and a session's keeper end it sooner.
WINE_PERSISTENCE="${LOMVEX_WINE_PERSISTENCE:-120}"

# Starts the Wine server of the prefix, ending `persistence` seconds after
# the last Wine program; Wine's services do not count, the server stops them
# when it ends. Returns 0 when it started the server, 2 when one of the
# prefix already runs, 1 when wineserver failed.
start_wine_server() {
  local status=0
  # The seconds must be attached ("-p5"): wineserver takes "-p 5" as "-p",
  # a server that never ends. Exit status 2: a server of this prefix runs.
  wineserver "-p$1" </dev/null >/dev/null 2>&1 9>&- || status=$?
  case "$status" in
    0 | 2) return "$status" ;;
  esac
  echo "wineserver failed to start (exit status $status)" >&2
  return 1
}

# Starts Wine's own services (the first Wine program of a server starts
# them), so that no test starts them: started from a test, the services
# would inherit the test's output pipe and CTest would wait for them.
run_wine_services() {
  "$WINE" cmd /c exit </dev/null >/dev/null 2>&1 9>&- || true
}

# A server with the services, as start_wine_server and run_wine_services.
# Sets STARTED_WINE_SERVER when the server was started here; one that
# already runs is left as it is.
STARTED_WINE_SERVER=""
start_wine_services() {
  local status=0
  start_wine_server "$WINE_PERSISTENCE" || status=$?
  case "$status" in
    0) STARTED_WINE_SERVER=1 ;;
    2) return 0 ;;
    *) return 1 ;;
  esac
  run_wine_services
}

# Ends the server started by start_wine_services, with every Wine process of
# the prefix (services, and programs a failed test left behind).
stop_wine_server() {
  [ -n "$STARTED_WINE_SERVER" ] || return 0
  wineserver -k </dev/null >/dev/null 2>&1 || true
  wineserver -w </dev/null >/dev/null 2>&1 || true
  STARTED_WINE_SERVER=""
}

# ---- The sound server of the monitoring tests ------------------------------
# A private PulseAudio server whose input is a pipe fed with a known signal
# (tools/sound_server/feed_input.py) and whose output is a null sink that a
# recorder records on a test's request (record_on_request.sh). Only the
# programs started with PULSE_SERVER (the monitoring tests) use it; every
# other test plays into the ALSA file route. Exports LOMVEX_PULSE_DIR.
PULSE_DIR="$BUILD/pulse"
PULSE_PIDS=()

start_sound_server() {
  stop_sound_server
  rm -rf "$PULSE_DIR"
  mkdir -p "$PULSE_DIR"
  cat >"$PULSE_DIR/server.pa" <<PA
load-module module-native-protocol-unix socket=$PULSE_DIR/native auth-anonymous=1
load-module module-null-sink sink_name=lomvex_out rate=44100 channels=2
load-module module-pipe-source source_name=lomvex_in file=$PULSE_DIR/input format=s16le rate=44100 channels=2
set-default-sink lomvex_out
set-default-source lomvex_in
PA
  HOME="$PULSE_DIR" XDG_RUNTIME_DIR="$PULSE_DIR" setsid pulseaudio -n -F "$PULSE_DIR/server.pa" \
    --daemonize=no --exit-idle-time=-1 --disallow-exit </dev/null >"$PULSE_DIR/server.log" 2>&1 9>&- &
  PULSE_PIDS+=($!)
  local _
  for _ in $(seq 100); do
    [ -p "$PULSE_DIR/input" ] && pactl -s "unix:$PULSE_DIR/native" info >/dev/null 2>&1 && break
    sleep 0.1
  done
  if ! [ -p "$PULSE_DIR/input" ]; then
    echo "The sound server for the monitoring tests did not start (see $PULSE_DIR/server.log)" >&2
    stop_sound_server
    return 1
  fi
  setsid python3 "$ROOT/tools/sound_server/feed_input.py" >"$PULSE_DIR/input" </dev/null \
    2>/dev/null 9>&- &
  PULSE_PIDS+=($!)
  setsid bash "$ROOT/tools/sound_server/record_on_request.sh" "$PULSE_DIR" </dev/null \
    >/dev/null 2>&1 9>&- &
  PULSE_PIDS+=($!)
  export LOMVEX_PULSE_DIR="$PULSE_DIR"
}

stop_sound_server() {
  local pid
  for pid in "${PULSE_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  PULSE_PIDS=()
}

# ---- Test programs run by hand ----------------------------------------------
# `ctest --test-dir build/win32` in a fresh shell runs every test program
# through wine-run.sh without test.sh's environment. The first program sets
# up a session: the display (Xvfb when there is none), the prefix and HOME,
# and a Wine server with the services. A keeper, running apart, ends the
# session (the server it started, with the services and any program a test
# left behind, and the display it started) once no test program of the
# session has run for LOMVEX_WINE_IDLE seconds. Counting the session's own
# test programs, not Wine's processes, makes this independent of how long a
# Wine program takes to start. The server's persistence only ends it when
# the keeper was killed. The state (build/wine-session) changes only under
# the session lock.
WINE_SESSION="$BUILD/wine-session"
WINE_SESSION_LOCK="$BUILD/wine-session.lock"

# Joins the session, setting it up when none runs, and counts the calling
# process as one of its test programs: wine-run.sh then becomes the test
# program (exec), so the keeper sees it run.
join_wine_session() {
  mkdir -p "$BUILD"
  exec 9>"$WINE_SESSION_LOCK"
  flock 9
  if wine_session_kept; then
    DISPLAY="$(cat "$WINE_SESSION/display")"
    export DISPLAY
  else
    rm -rf "$WINE_SESSION"
    mkdir -p "$WINE_SESSION/tests"
    # Started first, so that it also ends a set-up that fails or is killed
    # half-way (a test's time limit); it waits for the lock meanwhile.
    # shellcheck disable=SC2016 # expanded by the keeper's shell
    setsid bash -c 'source "$1"; keep_wine_session' keeper "$ROOT/scripts/common.sh" \
      </dev/null >/dev/null 2>&1 9>&- &
    echo $! >"$WINE_SESSION/keeper"
    ensure_display
    echo "$DISPLAY" >"$WINE_SESSION/display"
    if [ -n "$STARTED_XVFB_PID" ]; then echo "$STARTED_XVFB_PID" >"$WINE_SESSION/xvfb"; fi
  fi
  setup_wine_env
  # Quick when the server runs; starts it again if it ended meanwhile.
  local status=0
  start_wine_server "$WINE_PERSISTENCE" || status=$?
  case "$status" in
    0)
      touch "$WINE_SESSION/server"
      run_wine_services
      ;;
    2) ;;
    *) return 1 ;;
  esac
  touch "$WINE_SESSION/tests/$$"
  flock -u 9
  exec 9>&-
}

# Whether the keeper of the session runs.
wine_session_kept() {
  local pid
  pid="$(cat "$WINE_SESSION/keeper" 2>/dev/null)" || return 1
  [ -n "$pid" ] && grep -qs keep_wine_session "/proc/$pid/cmdline"
}

# Whether a test program of the session still runs: a process of the counted
# PID that runs in this prefix.
wine_session_tests_run() {
  local file status=1
  choose_wine_build
  for file in "$WINE_SESSION"/tests/*; do
    [ -e "$file" ] || continue
    if tr '\0' '\n' <"/proc/${file##*/}/environ" 2>/dev/null |
      grep -qxF "WINEPREFIX=$WINE_PREFIX_PATH"; then
      status=0
    else
      rm -f "$file"
    fi
  done
  return $status
}

# The keeper's loop: ends the session after LOMVEX_WINE_IDLE seconds without
# a test program, or leaves when another session took its place.
keep_wine_session() {
  local idle=0
  exec 9>"$WINE_SESSION_LOCK"
  while sleep 1; do
    flock 9
    [ "$(cat "$WINE_SESSION/keeper" 2>/dev/null)" = "$$" ] || return 0
    if wine_session_tests_run; then idle=0; else idle=$((idle + 1)); fi
    if [ "$idle" -ge "${LOMVEX_WINE_IDLE:-5}" ]; then
      end_wine_session
      return 0
    fi
    flock -u 9
  done
}

# Ends the session, if any (under the session lock): its keeper, the server
# it started with every Wine process of the prefix, and the display it
# started.
end_wine_session() {
  [ -d "$WINE_SESSION" ] || return 0
  local keeper
  keeper="$(cat "$WINE_SESSION/keeper" 2>/dev/null)" || true
  if [ -n "$keeper" ] && [ "$keeper" != "$$" ]; then kill "$keeper" 2>/dev/null || true; fi
  if [ -e "$WINE_SESSION/server" ]; then
    choose_wine_build
    WINEPREFIX="$WINE_PREFIX_PATH" wineserver -k </dev/null >/dev/null 2>&1 || true
    WINEPREFIX="$WINE_PREFIX_PATH" wineserver -w </dev/null >/dev/null 2>&1 || true
  fi
  if [ -e "$WINE_SESSION/xvfb" ]; then
    STARTED_XVFB_PID="$(cat "$WINE_SESSION/xvfb")"
    stop_display
  fi
  rm -rf "$WINE_SESSION"
}

# For test.sh: a session left by a hand run would end the server test.sh
# uses; it ends first.
close_wine_session() {
  mkdir -p "$BUILD"
  exec 9>"$WINE_SESSION_LOCK"
  flock 9
  end_wine_session
  flock -u 9
  exec 9>&-
}

# The native tree, the 32-bit tree that ships, and the tree that runs under
# Wine here when that is another one.
configure_and_build() {
  cmake -S "$ROOT" -B "$BUILD/native" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$BUILD/native" -j "$JOBS"
  build_windows_tree win32 mingw-i686
  choose_wine_build
  if [ "$WINE_TREE" != win32 ]; then build_windows_tree "$WINE_TREE" "$WINE_TOOLCHAIN"; fi
}
