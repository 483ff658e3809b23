#!/usr/bin/python3
"""Synthesises data/tobibrnd.wav, the bright chime that rings as the maker's
emblem opens on the splash: three bell strokes rising through a yo-scale
triad, each a handful of inharmonic partials that die away, 1.3 s, 16-bit
PCM mono.  Python standard library only; the same bytes on every run.

Run from the repository root:  /usr/bin/python3 tools/music/make_chime.py
"""

import math
import os
import struct
import wave

RATE = 44100
LENGTH = 1.3                       # seconds
PEAK = 0.5                         # of full scale: bright but not loud
DATA_DIR = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "data")

# (start in seconds, fundamental in Hz, loudness)
STROKES = ((0.00, 1174.66, 0.8), (0.09, 1567.98, 0.7), (0.18, 1975.53, 0.9))
# bell partials: (ratio to the fundamental, loudness, decay time in seconds)
PARTIALS = ((1.0, 1.0, 0.55), (2.76, 0.45, 0.25), (5.40, 0.22, 0.12), (8.93, 0.10, 0.06),
            (0.5, 0.18, 0.7))


def bell(t, frequency):
    """One stroke at time t after it was struck, with a 2 ms soft attack."""
    attack = min(1.0, t / 0.002)
    return attack * sum(level * math.exp(-t / decay) * math.sin(2 * math.pi * frequency * ratio * t)
                        for ratio, level, decay in PARTIALS)


def samples():
    count = int(RATE * LENGTH)
    raw = []
    for n in range(count):
        t = n / RATE
        value = sum(loud * bell(t - start, f) for start, f, loud in STROKES if t >= start)
        # the last 150 ms fade to silence so the sound never clicks off
        tail = (count - n) / (RATE * 0.15)
        raw.append(value * min(1.0, tail))
    top = max(abs(v) for v in raw)
    return [int(round(v / top * PEAK * 32767)) for v in raw]


def main():
    path = os.path.join(DATA_DIR, "tobibrnd.wav")
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        data = samples()
        out.writeframes(struct.pack(f"<{len(data)}h", *data))
    print(f"tobibrnd.wav: {LENGTH} s, {RATE} Hz, 16-bit mono")


if __name__ == "__main__":
    main()
