"""The shipped effects: the format the game loads, quiet ends, balanced loudness."""
import os
import math
import struct
import unittest
import wave

from generated import ROOT, TOOLS  # noqa: F401  (puts the generator on the path)
from sound.effects import EFFECTS, LOUDNESS_DBFS, PEAK_LIMIT_DBFS
from sound.synth import loudest_window_rms


def db(level):
    return 20 * math.log10(level)


class Effects(unittest.TestCase):
    def test_every_effect_is_short_click_free_and_as_loud_as_the_others(self):
        for name, _ in EFFECTS:
            with self.subTest(name), wave.open(os.path.join(ROOT, "data", "sounds", name + ".wav")) as f:
                self.assertEqual((f.getnchannels(), f.getsampwidth()), (1, 2))
                self.assertLess(f.getnframes(), f.getframerate())
                raw = f.readframes(f.getnframes())
                samples = [s / 32767 for s in struct.unpack("<%dh" % (len(raw) // 2), raw)]
                self.assertEqual((samples[0], samples[-1]), (0, 0), "faded in and out")
                self.assertLessEqual(db(max(map(abs, samples))), PEAK_LIMIT_DBFS + 0.01)
                self.assertGreater(db(loudest_window_rms(samples)), LOUDNESS_DBFS - 4)
