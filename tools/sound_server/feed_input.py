#!/usr/bin/env python3
"""Writes the test input to standard output in real time, for as long as
it runs: 16-bit stereo at 44.1 kHz, a 1 kHz tone in the centre (equal in
both channels) and a 300 Hz tone in the left channel only. The sound
server's pipe source reads it as the input device; it must never see the
end of its pipe, so this runs until it is killed."""
import math
import struct
import sys
import time

RATE = 44100
CHUNK = RATE // 20  # 50 ms


def one_second():
    frames = bytearray()
    for i in range(RATE):
        centre = 0.25 * math.sin(2 * math.pi * 1000 * i / RATE)
        side = 0.25 * math.sin(2 * math.pi * 300 * i / RATE)
        frames += struct.pack("<hh", round(32767 * (centre + side)), round(32767 * centre))
    return bytes(frames)


def main():
    second = one_second()
    out = sys.stdout.buffer
    start = time.monotonic()
    written = 0
    while True:
        at = written % RATE
        out.write(second[4 * at:4 * (at + CHUNK)])
        out.flush()
        written += CHUNK
        delay = start + written / RATE - time.monotonic() - 0.1
        if delay > 0:
            time.sleep(delay)


if __name__ == "__main__":
    try:
        main()
    except (BrokenPipeError, KeyboardInterrupt):
        pass
