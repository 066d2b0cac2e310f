"""The game's sound, heard through SDL's disk audio driver, and its start without sound."""
import os
import shutil
import struct
import time
import unittest

from harness import Game, Xvfb

PASS = 0.05
SHOT_HEARD_WITHIN = PASS + 0.1  # the pass that takes the key, then 100 ms
AUDIBLE = 1000                  # a sample beyond about -30 dBFS


def loudest(path, start, end):
    with open(path, "rb") as f:
        f.seek(start)
        raw = f.read((end - start) // 2 * 2)
    return max((abs(s) for s in struct.unpack("<%dh" % (len(raw) // 2), raw)), default=0)


def without_sounds(folder):
    shutil.rmtree(os.path.join(folder, "data", "sounds"))


def break_jump_sound(folder):
    with open(os.path.join(folder, "data", "sounds", "jump.wav"), "wb") as f:
        f.write(b"RIFF\x10\x00\x00\x00WAVEfmt ")


def remove_landing_sound(folder):
    os.remove(os.path.join(folder, "data", "sounds", "landing.wav"))


class DiskAudio(unittest.TestCase):
    def test_the_start_room_is_silent_and_a_shot_sounds_within_100_ms_of_its_pass(self):
        with Xvfb() as x, Game(x, env={"SDL_AUDIODRIVER": "disk", "SDL_DISKAUDIOFILE": "audio.raw"}) as game:
            self.assertTrue(game.first_picture(), game.output("stderr"))
            audio = game.file("audio.raw")
            time.sleep(40 * PASS)  # the landing from the start point has faded
            quiet = os.path.getsize(audio)
            time.sleep(1.0)
            before_shot = os.path.getsize(audio)
            self.assertGreater(before_shot - quiet, 0, "the device is being fed")
            self.assertEqual(loudest(audio, quiet, before_shot), 0, "standing in the start room is silent")
            x.keys("key", "Control_L")
            time.sleep(SHOT_HEARD_WITHIN)
            self.assertGreater(loudest(audio, before_shot, os.path.getsize(audio)), AUDIBLE, "the shot is heard")


class StartWithoutSound(unittest.TestCase):
    def test_missing_sound_plays_silently_and_broken_sound_is_named(self):
        rows = (
            ("no sound folder", {}, without_sounds, None),
            ("a device that cannot be opened", {"SDL_AUDIODRIVER": "alsa", "AUDIODEV": "no-such-device"}, None, None),
            ("a sound server that is not there",
             {"SDL_AUDIODRIVER": "pulseaudio", "PULSE_SERVER": "unix:/no-such-socket"}, None, None),
            ("a broken effect", {}, break_jump_sound, "data/sounds/jump.wav"),
            ("a missing effect", {}, remove_landing_sound, "data/sounds/landing.wav"),
        )
        for name, env, prepare, named in rows:
            with self.subTest(name), Xvfb() as x, Game(x, env=env, prepare=prepare) as game:
                if named:
                    self.assertNotIn(game.wait(), (None, 0))
                    errors = game.output("stderr").strip().splitlines()
                    self.assertEqual(len(errors), 1, errors)
                    self.assertIn(named, errors[0])
                else:
                    self.assertTrue(game.first_picture(), game.output("stderr") + game.output("stdout"))
                    self.assertEqual(game.output("stderr") + game.output("stdout"), "")


if __name__ == "__main__":
    unittest.main()
