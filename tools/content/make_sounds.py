"""Writes every sound effect into OUTPUT_FOLDER/sounds, and each scenery set's bed into
OUTPUT_FOLDER/NAME/bed.wav, as 16-bit mono WAV."""
import os
import sys

from .sound.beds import BED_RMS_DBFS, BEDS, at_rms
from .sound.effects import EFFECTS, LOUDNESS_DBFS, PEAK_LIMIT_DBFS
from .sound.synth import balanced
from .sound.wav import write_wav


def main(argv):
    if len(argv) != 2:
        sys.stderr.write("usage: python3 -m tools.content.make_sounds OUTPUT_FOLDER\n")
        return 2
    folder = os.path.join(argv[1], "sounds")
    os.makedirs(folder, exist_ok=True)
    for name, recipe in EFFECTS:
        write_wav(os.path.join(folder, name + ".wav"), balanced(recipe(), LOUDNESS_DBFS, PEAK_LIMIT_DBFS))
    for name, recipe in BEDS:
        os.makedirs(os.path.join(argv[1], name), exist_ok=True)
        write_wav(os.path.join(argv[1], name, "bed.wav"), at_rms(recipe(), BED_RMS_DBFS))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
