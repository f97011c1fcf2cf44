#!/bin/bash
# Renders the stems of the sampled benchmark songs into WORKDIR for
# lomvex_voice_bench: General MIDI instruments played by fluidsynth from
# small MIDI files written here, and a voice spoken by espeak-ng, each as a
# mono 16-bit 44.1 kHz WAV (set a: a_bass.wav ... a_voice.wav; set b alike).
#
# Usage: render_songs.sh WORKDIR
set -euo pipefail

if [ $# -ne 1 ]; then
    echo "usage: $0 WORKDIR" >&2
    exit 2
fi
workdir=$1
mkdir -p "$workdir"
soundfont=/usr/share/sounds/sf2/FluidR3_GM.sf2

missing=()
command -v fluidsynth >/dev/null || missing+=(fluidsynth)
[ -f "$soundfont" ] || missing+=(fluid-soundfont-gm)
command -v espeak-ng >/dev/null || missing+=(espeak-ng)
command -v sox >/dev/null || missing+=(sox)
if [ ${#missing[@]} -gt 0 ]; then
    apt-get install -y "${missing[@]}" || { apt-get update && apt-get install -y "${missing[@]}"; }
fi

# One MIDI file per stem and set: 32 seconds of a four-chord loop.
python3 - "$workdir" <<'PY'
import struct, sys

folder = sys.argv[1]
TICKS = 480  # per beat

def var_len(n):
    out = [n & 0x7F]
    n >>= 7
    while n:
        out.insert(0, (n & 0x7F) | 0x80)
        n >>= 7
    return bytes(out)

def write_midi(path, bpm, program, channel, notes):
    """notes: (start beat, length in beats, key, velocity)"""
    events = []
    for start, length, key, velocity in notes:
        events.append((round(start * TICKS), 1, key, velocity))
        events.append((round((start + length) * TICKS), 0, key, 0))
    events.sort()
    track = bytearray(b"\x00\xFF\x51\x03" + (60000000 // bpm).to_bytes(3, "big"))
    if channel != 9:
        track += bytes([0, 0xC0 | channel, program])
    now = 0
    for tick, on, key, velocity in events:
        track += var_len(tick - now) + bytes([(0x90 if on else 0x80) | channel, key, velocity])
        now = tick
    track += b"\x00\xFF\x2F\x00"
    with open(path, "wb") as f:
        f.write(b"MThd" + struct.pack(">IHHH", 6, 0, 1, TICKS))
        f.write(b"MTrk" + struct.pack(">I", len(track)) + track)

SETS = {
    # bpm, chord roots (MIDI keys), minor flags
    "a": (100, [48, 43, 45, 41], [False, False, True, False]),
    "b": (118, [45, 41, 48, 43], [True, False, False, False]),
}
for name, (bpm, roots, minors) in SETS.items():
    beats = int(32 * bpm / 60)
    stems = {k: [] for k in ["bass", "kick", "snare", "piano", "guitar", "pad_left", "pad_right"]}
    for bar in range(beats // 4):
        root = roots[bar % 4]
        third = root + (3 if minors[bar % 4] else 4)
        chord = [root, third, root + 7]
        t = bar * 4
        for beat in range(4):
            stems["bass"].append((t + beat, 0.9, root - 12 + (7 if beat == 2 else 0), 100))
            if beat in (0, 2):
                stems["kick"].append((t + beat, 0.5, 36, 110))
            else:
                stems["snare"].append((t + beat, 0.5, 38, 100))
            for eighth in range(2):
                key = chord[(beat * 2 + eighth) % 3] + 12
                stems["piano"].append((t + beat + eighth / 2, 0.5, key, 80))
        for start in (0, 1.5, 2, 3):
            for i, key in enumerate(chord):
                stems["guitar"].append((t + start + i * 0.02, 0.45, key + 12, 85))
        for key in chord:
            stems["pad_left"].append((t, 4, key, 70))
            stems["pad_right"].append((t, 4, key + 12, 70))
    programs = {"bass": (33, 0), "kick": (0, 9), "snare": (0, 9), "piano": (0, 1),
                "guitar": (25, 2), "pad_left": (48, 3), "pad_right": (49, 4)}
    for stem, notes in stems.items():
        program, channel = programs[stem]
        write_midi(f"{folder}/{name}_{stem}.mid", bpm, program, channel, notes)
PY

for set in a b; do
    for stem in bass kick snare piano guitar pad_left pad_right; do
        fluidsynth -ni -F "$workdir/${set}_${stem}_stereo.wav" -r 44100 "$soundfont" \
            "$workdir/${set}_${stem}.mid" >/dev/null
        sox "$workdir/${set}_${stem}_stereo.wav" -b 16 -c 1 "$workdir/${set}_${stem}.wav"
        rm "$workdir/${set}_${stem}_stereo.wav"
    done
done

text_a="Over the hills and far away, the morning light is calling me home. \
I will walk along the river, I will sing until the day is done. \
Hold my hand and stay a while, the road is long but we are young. \
Every star above the water tells a story of the sun. \
Over the hills and far away, the evening wind is calling me home."
text_b="When the rain comes down on the city, I remember every word you said. \
Dancing slowly in the kitchen, with the radio playing low. \
Light a candle in the window, I will find my way back to you. \
All the years are only moments, and the moments never go. \
When the rain comes down on the city, I remember every word."
espeak-ng -w "$workdir/a_voice_raw.wav" -s 120 -p 60 "$text_a"
espeak-ng -w "$workdir/b_voice_raw.wav" -s 120 -p 45 -v en+f3 "$text_b"
for set in a b; do
    sox "$workdir/${set}_voice_raw.wav" -b 16 -c 1 -r 44100 "$workdir/${set}_voice.wav"
    rm "$workdir/${set}_voice_raw.wav"
done
echo "stems written to $workdir"
