#!/usr/bin/env python3
"""Writes every sound effect into OUTPUT_FOLDER/sounds as 16-bit mono WAV."""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from sound.effects import EFFECTS, LOUDNESS_DBFS, PEAK_LIMIT_DBFS  # noqa: E402
from sound.synth import balanced  # noqa: E402
from sound.wav import write_wav  # noqa: E402


def main(argv):
    if len(argv) != 2:
        sys.stderr.write("usage: make_sounds.py OUTPUT_FOLDER\n")
        return 2
    folder = os.path.join(argv[1], "sounds")
    os.makedirs(folder, exist_ok=True)
    for name, recipe in EFFECTS:
        write_wav(os.path.join(folder, name + ".wav"), balanced(recipe(), LOUDNESS_DBFS, PEAK_LIMIT_DBFS))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
