#!/usr/bin/env bash
# Makes the compressed test files with Debian's encoders: MP3 (constant and
# variable bit rate, MPEG-2 and 2.5, with an ID3v2 tag, and one of a
# noise song with the encoder's delay and padding in its tag) and Ogg Vorbis
# with its reference decode; a song rising a semitone a second in all three.
# Usage: make_test_audio.sh OUTPUT_DIR
set -euo pipefail
out="$1"
mkdir -p "$out"
cd "$out"
sox -n -r 44100 -c 2 -b 16 tone.wav synth 1 sine 440 sine 660 gain -6
sox -n -r 22050 -c 1 -b 16 tone22.wav synth 1 sine 440 gain -6
sox -n -r 8000 -c 1 -b 16 tone8.wav synth 1 sine 440 gain -6
lame --quiet -b 128 --cbr -t tone.wav cbr128.mp3
lame --quiet -V 4 tone.wav vbr.mp3
lame --quiet -b 64 -m m tone22.wav mpeg2_22k.mp3
lame --quiet -b 16 -m m tone8.wav mpeg25_8k.mp3
lame --quiet -b 128 --cbr -t --id3v2-only --tt "Lomvex test" --pad-id3v2-size 300 tone.wav id3.mp3
oggenc --quiet -b 128 -o tone.ogg tone.wav
oggdec --quiet -o tone_ogg_ref.wav tone.ogg
# Noise has one clear peak of cross-correlation: a lag shows at once. The
# length is no whole number of frames, so padding is there to drop.
sox -R -r 44100 -n -r 44100 -c 2 -b 16 noise.wav synth 66000s pinknoise gain -10
lame --quiet -b 192 noise.wav gapless.mp3
sox -R -r 22050 -n -r 22050 -c 1 -b 16 noise22.wav synth 33333s pinknoise gain -10
lame --quiet -b 64 noise22.wav gapless22.mp3
# Sixteen seconds whose tone rises a semitone every second, for moving
# through a song: the pitch heard tells the second it comes from. Each
# second holds whole cycles (the semitone rounded to a whole hertz), so the
# seconds join without a step, at the level the tests' own song has. Its
# dither is seeded (-R) and its Ogg stream numbered (-s), so that every
# build tests the same files: with a fresh dither each time, the Ogg coding
# of the seconds' joins came out differently from build to build.
parts=()
for k in $(seq 0 15); do
  sox -R -n -r 44100 -c 2 -b 16 "rise$k.wav" synth 1 sine "$(awk "BEGIN { printf \"%d\", 220 * 2 ^ ($k / 12) + 0.5 }")" gain -8.7
  parts+=("rise$k.wav")
done
sox "${parts[@]}" rising.wav
lame --quiet -b 128 rising.wav rising.mp3
oggenc --quiet -b 128 -s 1 -o rising.ogg rising.wav
rm -f tone22.wav tone8.wav "${parts[@]}"
touch stamp
