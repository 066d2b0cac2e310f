"""The game's sound, heard through SDL's disk audio driver, and its start without sound."""
import math
import os
import shutil
import struct
import time
import unittest
import wave

from harness import Game, Xvfb

PASS = 0.05
SHOT_HEARD_WITHIN = PASS + 0.1  # the pass that takes the key, then 100 ms
AUDIBLE = 1000                  # a sample beyond about -30 dBFS
WINDOW = 22050 // 20            # stereo frames in 50 ms
DISK = {"SDL_AUDIODRIVER": "disk", "SDL_DISKAUDIOFILE": "audio.raw"}


def ears(path, start, end=None):
    """The left and the right samples between two byte offsets."""
    with open(path, "rb") as f:
        f.seek(start // 4 * 4)
        raw = f.read(-1 if end is None else max(0, end - start) // 4 * 4)
    samples = struct.unpack("<%dh" % (len(raw) // 4 * 2), raw[:len(raw) // 4 * 4])
    return samples[0::2], samples[1::2]


def loudest(path, start, end):
    return max((abs(s) for ear in ears(path, start, end) for s in ear), default=0)


def db(level):
    return 20 * math.log10(max(1, level) / 32768)


def rms(samples):
    return math.sqrt(sum(s * s for s in samples) / max(1, len(samples)))


def heard_windows(left, right):
    """(left RMS, right RMS) of each 50 ms that is not near silence."""
    windows = ((rms(left[i:i + WINDOW]), rms(right[i:i + WINDOW])) for i in range(0, len(left) - WINDOW, WINDOW))
    return [w for w in windows if max(w) > 300]


def walk_until_heard_at_the_side(x, audio, key, near):
    """Holds the key until a sound louder in the near ear (0 left, 1 right) is heard: the
    enemies of the next room appearing just beyond that edge. The windows heard meanwhile."""
    start, deadline = os.path.getsize(audio), time.time() + 8
    x.keys("keydown", key)
    while time.time() < deadline and not any(w[near] > 3 * w[1 - near] for w in heard_windows(*ears(audio, start))):
        time.sleep(0.2)
    x.keys("keyup", key)
    time.sleep(0.5)
    return heard_windows(*ears(audio, start))


def without_sounds(folder):
    shutil.rmtree(os.path.join(folder, "data", "sounds"))


def break_jump_sound(folder):
    with open(os.path.join(folder, "data", "sounds", "jump.wav"), "wb") as f:
        f.write(b"RIFF\x10\x00\x00\x00WAVEfmt ")


def removed(name, then=lambda path: None):
    """A preparation removing data/NAME, then making something else there."""
    def prepare(folder):
        os.remove(os.path.join(folder, "data", name))
        then(os.path.join(folder, "data", name))
    return prepare


def silence(name, rate, seconds, channels=1):
    """A preparation writing a WAV of silence at data/NAME."""
    def write(path):
        with wave.open(path, "wb") as f:
            f.setparams((channels, 2, rate, 0, "NONE", ""))
            f.writeframes(bytes(int(rate * seconds) * 2 * channels))
    return removed(name, write)


silent_bed = silence("cavern/bed.wav", 22050, 1)


class DiskAudio(unittest.TestCase):
    def test_the_start_room_hums_quietly_in_both_ears(self):
        with Xvfb() as x, Game(x, env=DISK) as game:
            self.assertTrue(game.first_picture(), game.output("stderr"))
            audio = game.file("audio.raw")
            time.sleep(1.5)  # the bed has faded in, the landing faded out
            start = os.path.getsize(audio)
            time.sleep(2.0)
            for name, ear in zip(("left", "right"), ears(audio, start, os.path.getsize(audio))):
                self.assertTrue(-36 < db(rms(ear)) < -24, "%s ear at %.1f dBFS" % (name, db(rms(ear))))

    def test_enemies_appearing_at_either_edge_are_heard_in_both_ears_louder_on_their_side(self):
        # Walking out of the start room either way, the next room's enemies appear just beyond that edge.
        for key, near in (("Left", 0), ("Right", 1)):
            with self.subTest(key), Xvfb() as x, Game(x, prepare=silent_bed, env=DISK) as game:
                self.assertTrue(game.first_picture(), game.output("stderr"))
                time.sleep(1.5)
                heard = walk_until_heard_at_the_side(x, game.file("audio.raw"), key, near)
                self.assertTrue(any(w[near] > 3 * w[1 - near] for w in heard), "louder on its own side")
                for window in heard:
                    self.assertLessEqual(db(max(window)) - db(min(window)), 12.05, "an ear far below the other")

    def test_a_shot_sounds_within_100_ms_and_a_shooter_half_a_screen_beyond_the_view_is_silent(self):
        with Xvfb() as x, Game(x, prepare=silent_bed, env=DISK) as game:
            self.assertTrue(game.first_picture(), game.output("stderr"))
            audio = game.file("audio.raw")
            time.sleep(40 * PASS)  # the landing from the start point has faded
            before_shot = os.path.getsize(audio)
            x.keys("key", "Control_L")
            time.sleep(SHOT_HEARD_WITHIN)
            self.assertGreater(loudest(audio, before_shot, os.path.getsize(audio)), AUDIBLE, "the shot is heard")
            time.sleep(0.5)  # the shooting pose over, keys move the player again
            # The next room's shooter, left behind, fires every 3 s from 430 pixels beyond the right edge.
            heard = walk_until_heard_at_the_side(x, audio, "Right", 1)
            self.assertTrue(any(w[1] > 3 * w[0] for w in heard), "the next room's enemies have appeared")
            x.keys("keydown", "Left")
            time.sleep(1.9)
            x.keys("keyup", "Left")
            time.sleep(1.5)
            start = os.path.getsize(audio)
            time.sleep(7.0)
            self.assertEqual(loudest(audio, start, os.path.getsize(audio)), 0, "the far shooter is not heard")


class StartWithoutSound(unittest.TestCase):
    def test_missing_sound_plays_silently_and_broken_sound_is_named(self):
        rows = (
            ("no sound folder", {}, without_sounds, None),
            ("a device that cannot be opened", {"SDL_AUDIODRIVER": "alsa", "AUDIODEV": "no-such-device"}, None, None),
            ("a sound server that is not there",
             {"SDL_AUDIODRIVER": "pulseaudio", "PULSE_SERVER": "unix:/no-such-socket"}, None, None),
            ("a broken effect", {}, break_jump_sound, "data/sounds/jump.wav"),
            ("a missing effect", {}, removed("sounds/landing.wav"), "data/sounds/landing.wav"),
            ("an effect that is a FIFO", {}, removed("sounds/jump.wav", os.mkfifo), "jump.wav: is a FIFO"),
            ("a folder named like an effect", {}, removed("sounds/jump.wav", os.mkdir), "jump.wav: cannot be read"),
            ("an effect at 1 Hz", {}, silence("sounds/jump.wav", 1, 1000), "jump.wav: plays at 1 Hz"),
            ("an effect too long", {}, silence("sounds/jump.wav", 48000, 4, 2), "jump.wav: is 768044 bytes"),
            ("a missing bed", {}, removed("cavern/bed.wav"), "data/cavern/bed.wav: cannot open"),
        )
        for name, env, prepare, named in rows:
            with self.subTest(name), Xvfb() as x, Game(x, env=env, prepare=prepare) as game:
                if named:
                    started = time.time()
                    self.assertNotIn(game.wait(), (None, 0))
                    self.assertLess(time.time() - started, 3.0, "ends at once")
                    errors = game.output("stderr").strip().splitlines()
                    self.assertEqual(len(errors), 1, errors)
                    self.assertIn(named, errors[0])
                else:
                    self.assertTrue(game.first_picture(), game.output("stderr") + game.output("stdout"))
                    self.assertEqual(game.output("stderr") + game.output("stdout"), "")


if __name__ == "__main__":
    unittest.main()
