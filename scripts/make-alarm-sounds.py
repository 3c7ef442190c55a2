#!/usr/bin/env python3
"""Writes the thirteen alarm sounds into data/Program/Alarmlydfiler/.

Every sound is synthesised here from plain sine tones with soft attack and decay (no
samples are copied from anywhere): mono, 16-bit, 16 kHz, one to two seconds each. Run it
again after changing a recipe and commit the WAV files it writes.
"""
import math
import os
import struct
import wave

RATE = 16000
HERE = os.path.dirname(os.path.abspath(__file__))
TARGET = os.path.join(HERE, "..", "data", "Program", "Alarmlydfiler")

# Note names to frequencies (equal temperament, A4 = 440 Hz).
NOTES = {"C": -9, "D": -7, "E": -5, "F": -4, "G": -2, "A": 0, "B": 2}


def freq(note):
    name, octave = note[:-1], int(note[-1])
    semis = NOTES[name[0]] + (1 if name.endswith("#") else 0) + 12 * (octave - 4)
    return 440.0 * 2 ** (semis / 12)


def tone(f, seconds, volume=0.5, harmonics=(1.0,), decay=3.0, attack=0.01, vibrato=0.0):
    n = int(RATE * seconds)
    out = []
    for i in range(n):
        t = i / RATE
        env = min(1.0, t / attack) * math.exp(-decay * t)
        phase = 2 * math.pi * f * t + vibrato * math.sin(2 * math.pi * 5 * t)
        s = sum(a * math.sin((k + 1) * phase) for k, a in enumerate(harmonics))
        out.append(volume * env * s / sum(harmonics))
    return out


def noise_drum(seconds, pitch, volume=0.8):
    # A pitched drum: a falling sine with a little deterministic "noise" at the start.
    n = int(RATE * seconds)
    out, seed = [], 12345
    for i in range(n):
        t = i / RATE
        seed = (seed * 1103515245 + 12345) & 0x7FFFFFFF
        rnd = (seed / 0x7FFFFFFF) * 2 - 1
        f = pitch * (1 + 1.5 * math.exp(-30 * t))
        s = math.sin(2 * math.pi * f * t) * math.exp(-8 * t) + 0.3 * rnd * math.exp(-40 * t)
        out.append(volume * s)
    return out


def silence(seconds):
    return [0.0] * int(RATE * seconds)


def melody(notes, beat, **kw):
    out = []
    for note in notes:
        if note == "-":
            out += silence(beat)
        else:
            out += tone(freq(note), beat, **kw)
    return out


def mix(*tracks):
    n = max(len(t) for t in tracks)
    return [sum(t[i] for t in tracks if i < len(t)) for i in range(n)]


BELL = dict(harmonics=(1.0, 0.5, 0.25, 0.12), decay=2.5)
SOUNDS = {
    # The joy theme's first bar, in soft organ tones.
    "Beeth9": melody(["E4", "E4", "F4", "G4", "G4", "F4", "E4", "D4"], 0.2,
                     harmonics=(1.0, 0.4, 0.2), decay=1.5),
    "DingDong": tone(freq("E5"), 0.6, **BELL) + tone(freq("C5"), 1.0, **BELL),
    "Klokkespil": melody(["C6", "E6", "G6", "C7", "G6", "E6"], 0.18, harmonics=(1.0, 0.3), decay=4),
    "Melodi": melody(["C5", "D5", "E5", "C5", "E5", "F5", "G5"], 0.2, harmonics=(1.0, 0.2), decay=2),
    "Ohhnoo": tone(freq("A4"), 0.6, harmonics=(1.0, 0.6, 0.3), decay=1, vibrato=1.5)
    + tone(freq("E4"), 0.9, harmonics=(1.0, 0.6, 0.3), decay=1.5, vibrato=1.5),
    "Promenade": melody(["G4", "F4", "B4", "C5", "A4", "C5", "B4", "G4"], 0.16,
                        harmonics=(1.0, 0.5, 0.3), decay=1.2),
    "Ringeklokke": (tone(1400, 0.05, decay=0, harmonics=(1.0, 0.5)) + silence(0.03)) * 12
    + silence(0.3),
    "Stortromme": noise_drum(0.5, 60) + noise_drum(0.5, 60) + noise_drum(0.8, 55),
    "Strengefanfare": mix(melody(["G4", "C5", "E5", "G5"], 0.3, harmonics=(1.0, 0.8, 0.6, 0.4),
                                 decay=0.8, attack=0.05, vibrato=0.8),
                          melody(["C4", "E4", "G4", "C5"], 0.3, harmonics=(1.0, 0.8, 0.6),
                                 decay=0.8, attack=0.05)),
    "Telefonlyd": (mix(tone(440, 0.4, decay=0), tone(480, 0.4, decay=0)) + silence(0.2)) * 2
    + silence(0.3),
    "Tromme": (noise_drum(0.15, 180, 0.7) + noise_drum(0.15, 180, 0.5)) * 3 + noise_drum(0.5, 140),
    "Trumpet": melody(["C5", "C5", "C5", "G5"], 0.25, harmonics=(1.0, 0.9, 0.7, 0.5, 0.3),
                      decay=0.6, attack=0.03),
    "Zylo": melody(["C6", "D6", "E6", "G6", "A6", "C7"], 0.14, harmonics=(1.0, 0.1), decay=9),
}


def write(name, samples):
    peak = max(1e-9, max(abs(s) for s in samples))
    scale = 0.8 * 32767 / peak
    frames = b"".join(struct.pack("<h", int(s * scale)) for s in samples)
    with wave.open(os.path.join(TARGET, name + ".wav"), "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(frames)


def main():
    os.makedirs(TARGET, exist_ok=True)
    for name, samples in SOUNDS.items():
        write(name, samples)
        print(f"{name}.wav: {len(samples) / RATE:.2f} s")


if __name__ == "__main__":
    main()
