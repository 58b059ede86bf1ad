#!/usr/bin/env python3
# Makes assets/Avviso.mp3, the alert chime: a rising bell triad (E5, A5, E6) of 1.6 s.
# Usage: python3 tools/make-avviso.py && lame --quiet -b 96 -m m chime.wav assets/Avviso.mp3
import math, struct, wave
rate = 44100
dur = 1.6
n = int(rate * dur)
notes = [(0.00, 659.25), (0.28, 880.0), (0.56, 1318.5)]  # E5, A5, E6: a rising bell triad
samples = [0.0] * n
for start, f in notes:
    s0 = int(start * rate)
    for i in range(s0, n):
        t = (i - s0) / rate
        env = math.exp(-t * 3.2) * min(1.0, t / 0.004)
        v = (math.sin(2 * math.pi * f * t) + 0.35 * math.sin(2 * math.pi * 2.0 * f * t) * math.exp(-t * 4)
             + 0.12 * math.sin(2 * math.pi * 3.01 * f * t) * math.exp(-t * 6))
        samples[i] += 0.28 * env * v
fade = int(0.05 * rate)
for i in range(fade):
    samples[n - 1 - i] *= i / fade
with wave.open('chime.wav', 'wb') as w:
    w.setnchannels(1); w.setsampwidth(2); w.setframerate(rate)
    w.writeframes(b''.join(struct.pack('<h', int(max(-1, min(1, s)) * 32000)) for s in samples))

