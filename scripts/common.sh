# Shared by run.sh and test.sh: installs what is missing, sets up the Wine
# environment inside the build tree and the virtual display.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$ROOT/build"
JOBS="${JOBS:-2}"

APT_PACKAGES=(cmake g++ clang libclang-rt-14-dev libgtest-dev libbenchmark-dev
  g++-mingw-w64-i686 wine wine32:i386 xvfb x11-utils imagemagick
  fonts-ipafont-gothic locales sox lame vorbis-tools)

install_packages() {
  local missing=()
  for package in "${APT_PACKAGES[@]}"; do
    dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386
  fi
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "${missing[@]}"
}

ensure_japanese_locale() {
  locale -a 2>/dev/null | grep -qi '^ja_JP.utf8$' && return 0
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  $sudo locale-gen >/dev/null
}

# Xvfb on a free display when none is set.
ensure_display() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then return 0; fi
  local number=99
  while [ -e "/tmp/.X${number}-lock" ] && ! DISPLAY=":$number" xdpyinfo >/dev/null 2>&1; do
    number=$((number + 1))
  done
  export DISPLAY=":$number"
  if ! xdpyinfo >/dev/null 2>&1; then
    Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  fi
}

# Wine: a private 32-bit prefix in the build tree, and a HOME whose ALSA
# configuration sends played sound into a file instead of a sound card.
setup_wine_env() {
  export WINEPREFIX="$BUILD/wineprefix"
  export WINEARCH=win32
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  export LOMVEX_TEST_HOME="$BUILD/testhome"
  mkdir -p "$LOMVEX_TEST_HOME"
  cat >"$LOMVEX_TEST_HOME/.asoundrc" <<ASOUND
pcm.!default {
  type file
  slave.pcm "null"
  file "$LOMVEX_TEST_HOME/played.raw"
  format "raw"
}
ASOUND
  export HOME="$LOMVEX_TEST_HOME"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Creating the Wine prefix (once)..."
    wineboot --init >/dev/null 2>&1 || true
    # A crash prints its backtrace instead of waiting in a dialog.
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
      >/dev/null 2>&1 || true
    wineserver -w || true
  fi
}

# A persistent wineserver with Wine's own services already running: started
# from a test instead, the services would inherit the test's output pipe and
# CTest would wait for them.
start_wine_services() {
  wineserver -p 600
  wine cmd /c exit </dev/null >/dev/null 2>&1 || true
}

configure_and_build() {
  cmake -S "$ROOT" -B "$BUILD/native" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$BUILD/native" -j "$JOBS"
  cmake -S "$ROOT" -B "$BUILD/win32" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-i686.cmake" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$BUILD/win32" -j "$JOBS"
}
