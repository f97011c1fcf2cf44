#!/usr/bin/env bash
# Measures Lomvex against the command-line programs it is compared with, side
# by side in one run, and prints ratios (the machine may be shared and noisy,
# so the times themselves say little):
#  - a save by the real lomvex.exe under Wine of a 4-minute 44.1 kHz 16-bit
#    stereo song, "L-R(minusOne)" with three graphic equalizer bars set,
#    Hann frames of 256 and of 65536 points, against FFmpeg writing the same
#    song as L-R with an equalizer of the same three bands;
#  - the share of one core lomvex.exe takes while it plays the song at the
#    default settings;
#  - the share of one core it takes playing with L-R(minusOne) kept in
#    stereo, and so at a tempo of 75 %;
#  - the native benchmarks: the transform against FFTW, the processing chain
#    and the save path (lomvex_bench), the pitch shifter against
#    rubberband and soundstretch (lomvex_pitch_bench), and the voice
#    removal against its peers on songs of known stems (lomvex_voice_bench,
#    with sampled stems that bench/voice_removal/render_songs.sh makes).
# Each save is timed BENCH_RUNS times (default 3), alternating the programs;
# the best time of each counts. Not part of test.sh: nothing here asserts.
#
# Usage: bench.sh [PART ...], each PART one of save, play, native, pitch,
# voice; without one, all of them run, in that order.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ALL_PARTS=(save play native pitch voice)
PARTS=("$@")
[ ${#PARTS[@]} -gt 0 ] || PARTS=("${ALL_PARTS[@]}")
for part in "${PARTS[@]}"; do
  if ! printf '%s\n' "${ALL_PARTS[@]}" | grep -qx -- "$part"; then
    echo "bench.sh: unknown part '$part' (parts: ${ALL_PARTS[*]})" >&2
    exit 2
  fi
done
# Whether the run includes PART.
wanted() { printf '%s\n' "${PARTS[@]}" | grep -qx -- "$1"; }

WORK="$BUILD/bench"
RUNS="${BENCH_RUNS:-3}"
# Bars 4, 10 and 16 (86-172 Hz, 689-1378 Hz and 5.5-11 kHz with 256-point
# frames) at +6, -12 and +6 units; a unit is 1/6 of a factor 2, about 1 dB.
BARS=(eq4=6 eq10=-12 eq16=6)
EQUALIZER="entry(0,0);entry(85,0);entry(86,6);entry(172,6);entry(173,0);entry(688,0)"
EQUALIZER+=";entry(689,-12);entry(1378,-12);entry(1379,0);entry(5511,0);entry(5512,6)"
EQUALIZER+=";entry(11025,6);entry(11026,0)"

stop_bench_environment() {
  stop_wine_server
  stop_display
}
trap stop_bench_environment EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

install_packages
apt_install_missing ffmpeg rubberband-cli soundstretch pulseaudio
if [ "$WINE_TREE" = win32 ]; then apt_install_missing libpulse0:i386; fi
close_wine_session
ensure_display
setup_wine_env

echo "== Building =="
cmake -S "$ROOT" -B "$BUILD/native" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD/native" -j "$JOBS" --target lomvex_bench lomvex_pitch_bench lomvex_voice_bench
build_windows_tree "$WINE_TREE" "$WINE_TOOLCHAIN" --target lomvex lomvex_save_timer \
  lomvex_demo_song

# The song: the demo song (12 seconds) twenty times over.
mkdir -p "$WORK"
SONG="$WORK/song.wav"
if [ ! -f "$SONG" ]; then
  sox "$BUILD/$WINE_TREE/demo_song.wav" "$SONG" repeat 19
fi
echo "Song: $(soxi -d "$SONG"), $(soxi -r "$SONG") Hz, $(soxi -b "$SONG")-bit," \
  "$(soxi -c "$SONG") channels"

# Seconds of wall time the command takes.
seconds_of() {
  local start end
  start="$(date +%s.%N)"
  "$@" >/dev/null
  end="$(date +%s.%N)"
  awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f", b - a }'
}

ffmpeg_save() {
  ffmpeg -nostdin -loglevel error -y -i "$SONG" \
    -af "pan=mono|c0=0.5*c0-0.5*c1,firequalizer=gain_entry='$EQUALIZER'" \
    -c:a pcm_s16le "$WORK/ffmpeg_MO.wav"
}

# Seconds of one save by lomvex.exe with frames of 2^exponent points, as
# the timer measures it (from the start of the save to the complete file;
# the Save dialog's closing is printed apart, see tools/save_timer).
lomvex_save() {
  local exponent="$1" output
  output="$("$WINE" "$BUILD/$WINE_TREE/lomvex_save_timer.exe" "$(winepath_of "$SONG")" \
    "$(winepath_of "$WORK/lomvex_MO.wav")" fftparam="$exponent" mado=0 "${BARS[@]}" \
    </dev/null 2>"$WORK/save_timer.log" 9>&-)" || {
    echo "lomvex_save_timer failed: $output $(cat "$WORK/save_timer.log")" >&2
    return 1
  }
  local expected=$(($(soxi -s "$SONG") * 2)) bytes
  bytes="$(echo "$output" | sed -n 's/.* \([0-9]*\) data bytes.*/\1/p')"
  if [ "$bytes" != "$expected" ]; then
    echo "lomvex.exe saved $bytes data bytes, not $expected: $output" >&2
    return 1
  fi
  echo "$output" | sed -n 's/.*dialog took \([0-9.]*\) seconds.*/\1/p' >"$WORK/dialog_seconds"
  echo "$output" | sed -n 's/^\([0-9.]*\) seconds.*/\1/p'
}

# Prints the share of one core process PID takes over SECONDS of wall time,
# from its CPU time, as playback LABEL against a goal of GOAL percent.
core_share() {
  local pid="$1" seconds="$2" label="$3" goal="$4" ticks start end t0 t1
  ticks="$(getconf CLK_TCK)"
  start="$(awk '{ print $14 + $15 }' "/proc/$pid/stat")" t0="$(date +%s.%N)"
  sleep "$seconds"
  end="$(awk '{ print $14 + $15 }' "/proc/$pid/stat")" t1="$(date +%s.%N)"
  awk -v c="$((end - start))" -v hz="$ticks" -v a="$t0" -v b="$t1" -v l="$label" -v g="$goal" 'BEGIN {
    printf "Playback %s: lomvex.exe used %.2f s of CPU in %.2f s, %.1f %% of one core (goal < %d %%)\n",
      l, c / hz, b - a, 100 * c / hz / (b - a), g }'
}

# The share of one core lomvex.exe takes while it plays the song at the
# default settings, from its CPU time over PLAY_SECONDS (default 20) of wall
# time. The sound goes to the monitoring tests' sound server (its null sink
# takes it in real time; the tests' ALSA file device takes it faster).
playback_share() {
  local profile="$WORK/profile" pid="" program
  program="$(winepath_of "$BUILD/$WINE_TREE/lomvex.exe")"
  mkdir -p "$profile"
  rm -f "$profile/lomvex.INI"
  start_sound_server || return 1
  # cmd sets USERPROFILE on the Windows side, where Wine takes it from: the
  # program reads the empty profile folder's settings, the defaults.
  PULSE_SERVER="unix:$PULSE_DIR/native" "$WINE" cmd /c "set USERPROFILE=$(winepath_of "$profile")&&" \
    "$program" /P "$(winepath_of "$SONG")" \
    </dev/null >/dev/null 2>&1 9>&- &
  # Its command line as a pattern, so that no other lomvex.exe is taken.
  local pattern="${program//\\/\\\\}"
  pattern="^${pattern//./\\.} /P"
  for _ in $(seq 100); do
    pid="$(pgrep -f "$pattern" | head -n 1 || true)"
    [ -n "$pid" ] && break
    sleep 0.1
  done
  if [ -z "$pid" ]; then
    echo "lomvex.exe did not start for the playback measurement" >&2
  else
    sleep 3 # past the start
    core_share "$pid" "${PLAY_SECONDS:-20}" "at the defaults" 5
  fi
  wineserver -k </dev/null >/dev/null 2>&1 || true
  stop_sound_server
}

# The share of one core lomvex.exe takes while the save timer has it play
# the song with "L-R(minusOne)" and the settings given (key=value ...), over
# PLAY_SECONDS of wall time, into the sound server as above.
processed_playback_share() {
  local label="$1" pid="" seconds="${PLAY_SECONDS:-20}" timer
  shift
  start_sound_server || return 1
  PULSE_SERVER="unix:$PULSE_DIR/native" "$WINE" "$BUILD/$WINE_TREE/lomvex_save_timer.exe" \
    "$(winepath_of "$SONG")" "/play:$((seconds + 5))" "$@" \
    </dev/null >"$WORK/play_timer.log" 2>&1 9>&- &
  timer=$!
  for _ in $(seq 200); do
    grep -q playing "$WORK/play_timer.log" 2>/dev/null && break
    sleep 0.1
  done
  pid="$(pgrep -n -f '[\/]lomvex\.exe' || true)"
  if [ -z "$pid" ] || ! grep -q playing "$WORK/play_timer.log"; then
    echo "lomvex.exe did not play for the measurement: $(cat "$WORK/play_timer.log")" >&2
  else
    sleep 2 # past the start
    core_share "$pid" "$seconds" "$label" 10
  fi
  # The timer alone: the sound server's processes are jobs of this shell too.
  wait "$timer" || true
  wineserver -k </dev/null >/dev/null 2>&1 || true
  stop_sound_server
}

smaller() { awk -v a="$1" -v b="$2" 'BEGIN { print (a + 0 < b + 0) ? a : b }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

if [ "$WINE_TREE" = win32 ]; then
  echo "Timing the 32-bit build, the one that ships."
else
  echo "This machine runs no 32-bit x86 programs: the save and playback figures" \
    "below are of the 64-bit build, not of the 32-bit one that ships."
fi
start_wine_services
if wanted save; then
  echo "== Saving the song: lomvex.exe ($WINE_TREE build, Wine) against FFmpeg, best of $RUNS =="
  best_ffmpeg=999999 best_256=999999 best_65536=999999
  for run in $(seq "$RUNS"); do
    t_ffmpeg="$(seconds_of ffmpeg_save)"
    t_256="$(lomvex_save 8)"
    t_65536="$(lomvex_save 16)"
    echo "run $run: FFmpeg $t_ffmpeg s, Lomvex N=256 $t_256 s, N=65536 $t_65536 s" \
      "(the Save dialog took $(cat "$WORK/dialog_seconds") s to close, not counted)"
    best_ffmpeg="$(smaller "$best_ffmpeg" "$t_ffmpeg")"
    best_256="$(smaller "$best_256" "$t_256")"
    best_65536="$(smaller "$best_65536" "$t_65536")"
  done
  echo "Best: FFmpeg $best_ffmpeg s, Lomvex N=256 $best_256 s, N=65536 $best_65536 s"
  echo "Save time / FFmpeg time: N=256 $(ratio "$best_256" "$best_ffmpeg") (goal <= 1)," \
    "N=65536 $(ratio "$best_65536" "$best_ffmpeg") (goal <= 2)"
fi

if wanted play; then
  echo "== Playing the song =="
  playback_share
  processed_playback_share "with L-R(minusOne) kept in stereo" voicecut=1
  processed_playback_share "kept in stereo at 75 % tempo" voicecut=1 tempo=75
fi
stop_wine_server

if wanted native; then
  echo "== Native benchmarks: transform against FFTW, chain, save path =="
  "$BUILD/native/lomvex_bench"
fi

if wanted pitch; then
  echo "== Pitch shifter against rubberband and soundstretch =="
  "$BUILD/native/lomvex_pitch_bench" "$WORK/pitch"
fi

if wanted voice; then
  echo "== Voice removal against the peers, on songs of known stems =="
  "$ROOT/bench/voice_removal/render_songs.sh" "$WORK/voice"
  "$BUILD/native/lomvex_voice_bench" "$WORK/voice"
fi
