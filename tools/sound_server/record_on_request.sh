#!/usr/bin/env bash
# Records what the program played, when a test asks: a test (a Windows
# program, which cannot start Linux programs) writes the number of seconds
# into FOLDER/record-request; this records the output sink's monitor for
# that long into FOLDER/recorded.raw (16-bit stereo, 44.1 kHz) and then
# writes FOLDER/record-done. Runs until killed.
folder="$1"
export PULSE_SERVER="unix:$folder/native"
while sleep 0.1; do
  [ -f "$folder/record-request" ] || continue
  seconds="$(cat "$folder/record-request")"
  rm -f "$folder/record-request" "$folder/record-done" "$folder/recorded.raw"
  # Exactly that many seconds of sound, as it comes.
  timeout $((${seconds:-3} + 10)) parecord -d lomvex_out.monitor --raw --format=s16le \
    --rate=44100 --channels=2 --latency-msec=20 /dev/stdout |
    head -c $((${seconds:-3} * 176400)) >"$folder/recorded.raw" || true
  touch "$folder/record-done"
done
