#!/usr/bin/env python3
"""Synthesises the game's six sounds into media/sounds/*.wav.

Each is a RIFF WAVE file, uncompressed PCM, mono, with the sample rate, bits
and length the game expects. Everything is computed here from sine waves and
seeded noise, so running the script again writes the same bytes.

    python3 tools/make_sounds.py media/sounds
"""

import math
import random
import struct
import sys
from pathlib import Path

TAU = 2.0 * math.pi


def frames(seconds, rate):
    return int(seconds * rate + 0.5)


def envelope(i, n, rate, attack=0.004, release=0.006):
    """A short fade in and out so no sound starts or ends with a click."""
    a = max(1, int(attack * rate))
    r = max(1, int(release * rate))
    g = 1.0
    if i < a:
        g = i / a
    if n - 1 - i < r:
        g = min(g, (n - 1 - i) / r)
    return g


def bell(t, freq, decay):
    """A struck bell: a few inharmonic partials dying away."""
    partials = ((1.0, 1.0), (2.0, 0.45), (2.76, 0.25), (5.4, 0.08))
    return sum(a * math.exp(-t * decay * (1 + k * 0.6)) * math.sin(TAU * freq * m * t)
               for k, (m, a) in enumerate(partials)) / 1.78


def notes(t, starts, freqs, decay):
    v = 0.0
    for s, f in zip(starts, freqs):
        if t >= s:
            v += bell(t - s, f, decay)
    return v


def chimes(rate, n):
    starts = (0.0, 0.22, 0.44, 0.66)
    freqs = (1046.5, 1318.5, 1568.0, 2093.0)  # C E G C
    return [0.22 * notes(i / rate, starts, freqs, 3.2) for i in range(n)]


def flip(rate, n):
    rnd = random.Random(7)
    out, lp = [], 0.0
    for i in range(n):
        t = i / rate
        lp += 0.35 * (rnd.uniform(-1, 1) - lp)  # softened noise: the card's swish
        thump = math.sin(TAU * 180 * t) * math.exp(-t * 90)
        out.append(0.25 * (0.7 * lp * math.exp(-t * 60) + 0.5 * thump))
    return out


def flush(rate, n):
    rnd = random.Random(11)
    out = []
    y1 = y2 = 0.0
    dur = n / rate
    for i in range(n):
        t = i / rate
        # A resonant band-pass whose centre swirls downwards: water draining.
        centre = 900 - 500 * (t / dur) + 180 * math.sin(TAU * 3.1 * t) + 90 * math.sin(TAU * 7.3 * t)
        r = 0.985
        c = 2 * r * math.cos(TAU * centre / rate)
        x = rnd.uniform(-1, 1)
        y = x * (1 - r) + c * y1 - r * r * y2
        y2, y1 = y1, y
        swell = min(1.0, t / 0.25) * math.exp(-max(0.0, t - 0.9) * 2.2)
        gurgle = 0.75 + 0.25 * math.sin(TAU * 5.0 * t)
        out.append(1.6 * y * swell * gurgle)
    peak = max(abs(v) for v in out) or 1.0
    return [0.3 * v / peak for v in out]


def glide(rate, n, freqs, step):
    starts = [k * step for k in range(len(freqs))]
    return [0.24 * notes(i / rate, starts, freqs, 4.0) for i in range(n)]


def shutdown(rate, n):
    return glide(rate, n, (784.0, 659.3, 523.3, 392.0), 0.26)  # G E C G, falling


def start(rate, n):
    return glide(rate, n, (523.3, 659.3, 784.0, 1046.5), 0.18)  # C E G C, rising


def zap(rate, n):
    out, phase = [], 0.0
    for i in range(n):
        t = i / rate
        freq = 1700 * math.exp(-t * 14) + 140
        phase += TAU * freq / rate
        square = math.tanh(4 * math.sin(phase))
        out.append(0.2 * square * math.exp(-t * 9))
    return out


SOUNDS = {
    # name: (rate, bits, seconds, synthesiser)
    "CHIMES": (22050, 16, 1.69, chimes),
    "FLIP": (22050, 16, 0.05, flip),
    "FLUSH": (22050, 8, 2.07, flush),
    "SHUTDOWN": (22050, 8, 1.94, shutdown),
    "START": (22050, 8, 1.48, start),
    "ZAP": (11025, 8, 0.16, zap),
}


def wave_bytes(samples, rate, bits):
    n = len(samples)
    if bits == 16:
        data = b"".join(struct.pack("<h", max(-32767, min(32767, int(round(v * 32767))))) for v in samples)
    else:
        data = bytes(max(0, min(255, 128 + int(round(v * 127)))) for v in samples)
    block = bits // 8
    pad = b"\0" if len(data) % 2 else b""  # RIFF chunks are padded to an even size
    header = b"RIFF" + struct.pack("<I", 36 + len(data) + len(pad)) + b"WAVE"
    header += b"fmt " + struct.pack("<IHHIIHH", 16, 1, 1, rate, rate * block, block, bits)
    header += b"data" + struct.pack("<I", len(data))
    assert len(data) == n * block
    return header + data + pad


def main():
    out = Path(sys.argv[1] if len(sys.argv) > 1 else "media/sounds")
    out.mkdir(parents=True, exist_ok=True)
    for name, (rate, bits, seconds, synth) in SOUNDS.items():
        n = frames(seconds, rate)
        samples = [v * envelope(i, n, rate) for i, v in enumerate(synth(rate, n))]
        (out / (name + ".wav")).write_bytes(wave_bytes(samples, rate, bits))


if __name__ == "__main__":
    main()
