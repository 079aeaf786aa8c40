#!/usr/bin/env python3
"""Synthesises the built-in alarm sound (ring.wav beside this script): two rising three-note bell
phrases, 16-bit mono PCM at 22,050 samples per second. Its output is committed so a build needs no Python.
"""
import math
import os
import struct
import wave

HERE = os.path.dirname(os.path.abspath(__file__))
RATE = 22050
# Partials of a small bell: ratio to the fundamental, loudness, how fast it dies away (per second).
PARTIALS = ((1.0, 1.0, 3.0), (2.0, 0.35, 5.0), (3.01, 0.15, 8.0), (4.17, 0.06, 12.0))
ATTACK = 0.008  # seconds of soft onset, so no note starts with a click
NOTES = ((0.00, 784.0), (0.18, 987.8), (0.36, 1174.7),  # G5 B5 D6
         (0.90, 784.0), (1.08, 987.8), (1.36, 1568.0))  # and once more, ending an octave up
LENGTH = 2.3


def sample(t):
    value = 0.0
    for start, frequency in NOTES:
        u = t - start
        if u < 0:
            continue
        onset = min(1.0, u / ATTACK)
        onset = onset * onset * (3 - 2 * onset)
        for ratio, loudness, decay in PARTIALS:
            value += onset * loudness * math.exp(-decay * u) * math.sin(2 * math.pi * frequency * ratio * u)
    # Fade the tail to silence over the last 0.2 s.
    fade = min(1.0, (LENGTH - t) / 0.2)
    return value * fade


def main():
    count = int(RATE * LENGTH)
    samples = [sample(i / RATE) for i in range(count)]
    peak = max(abs(s) for s in samples)
    scale = 0.7 * 32767 / peak
    frames = b''.join(struct.pack('<h', int(round(s * scale))) for s in samples)
    with wave.open(os.path.join(HERE, 'ring.wav'), 'wb') as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(frames)


if __name__ == '__main__':
    main()
