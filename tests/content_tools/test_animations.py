"""The shipped animation file: its grammar as the game reads it, every
animation the game plays, their timing, and poses that hold together."""
import math
import os
import re
import unittest

from generated import ROOT, read_file

from animation.reader import read_animations
from animation.sequences import animation_table
from animation.skeleton import BONES, PARENT, PARTS, kind_of, rotate

NUMBER_CHARACTERS = 29                  # the reader's token buffer
PLAYER_USES = (0, 1, 2, 6, 7, 8, 10, 12, 13, 14, 18, 19, 20, 21, 22, 23, 24, 29, 30, 31, 32, 33)
ENEMY_USES = (0, 1, 2, 4, 5, 13, 15, 16, 17, 37, 41, 50, 54, 66)
LOOPING = (0, 1, 10, 13, 23, 24, 37, 41, 50)
SHOTS = (4, 5, 6, 7, 8, 12, 15, 16, 17, 18, 19, 20, 21, 22, 29, 30, 31, 32, 33)
FORWARD, DIAGONAL_UP, UP, DIAGONAL_DOWN, DOWN = (1, 0), (1, -1), (0, -1), (1, 1), (0, 1)
AIMS = {6: FORWARD, 7: DIAGONAL_UP, 8: UP, 12: FORWARD, 18: FORWARD, 19: DIAGONAL_UP, 20: UP,
        21: DIAGONAL_DOWN, 22: DOWN, 29: FORWARD, 30: DIAGONAL_UP, 31: UP, 32: DIAGONAL_DOWN,
        33: DOWN, 4: FORWARD, 5: UP, 15: FORWARD, 16: UP, 17: DOWN}
PART = {name: i for i, name in enumerate(PARTS)}


def text():
    return read_file("AnimationData.txt").decode("ascii")


def loaded():
    return read_animations(text())


def is_word(token):
    """The game's readers take a token as a word when it starts above '9'."""
    return ord(token[0]) > ord("9")


def figure_point(joint, block_point):
    """Where a point of a part's picture lands in the figure."""
    x, y = rotate(block_point, joint[2] * 60.0)
    return joint[0] + x, joint[1] + y


class Grammar(unittest.TestCase):
    def test_words_stand_only_where_the_reader_skips_them(self):
        tokens = text().split()
        key_count = int(tokens[0])
        self.assertTrue(is_word(tokens[1]))
        numbers = tokens[2:2 + key_count * 16 * 3]
        self.assertTrue(all(not is_word(t) and len(t) <= NUMBER_CHARACTERS for t in numbers))
        rest = tokens[2 + len(numbers):]
        self.assertTrue(is_word(rest[1]))
        _, animations = loaded()
        self.assertEqual(int(rest[0]), len(animations))
        position = 2
        for animation in animations:
            self.assertTrue(is_word(rest[position]), rest[position])
            counted = 1 + 4 + 1 + 2 * len(animation.steps) + 1
            self.assertTrue(all(not is_word(t) for t in rest[position + 1:position + counted]))
            position += counted
        self.assertEqual(position, len(rest), "tokens left over")

    def test_pose_numbers_and_step_lengths_are_in_range(self):
        poses, animations = loaded()
        for index, animation in enumerate(animations):
            with self.subTest(animation=index):
                self.assertGreaterEqual(len(animation.steps), 1)
                for pose, length in animation.steps:
                    self.assertTrue(0 <= pose < len(poses))
                    self.assertGreaterEqual(length, 1)
                self.assertTrue(0 <= animation.final < len(poses))


class WhatTheGamePlays(unittest.TestCase):
    def test_every_index_the_game_sets_exists_with_frames(self):
        _, animations = loaded()
        self.assertGreaterEqual(len(animations), 67)
        for index in PLAYER_USES + ENEMY_USES:
            self.assertGreaterEqual(len(animations[index].frames), 1, index)

    def test_the_game_names_every_index_as_the_generator_does(self):
        with open(os.path.join(ROOT, "content", "animation_numbers.h")) as header:
            names = re.findall(r"^    Anim(\w+),", header.read(), re.M)
        wanted = ["".join(word.capitalize() for word in name.split("_")) for _, name, _, _ in animation_table()]
        self.assertEqual(names, wanted)

    def test_loops_head_back_to_their_first_pose(self):
        _, animations = loaded()
        for index in LOOPING:
            with self.subTest(animation=index):
                self.assertEqual(animations[index].final, animations[index].steps[0][0])
                self.assertGreaterEqual(len(animations[index].steps), 2, "a loop that never moves")

    def test_lengths_fit_the_game_timing(self):
        _, animations = loaded()
        frames = {index: len(a.frames) for index, a in enumerate(animations)}
        self.assertEqual(len({frames[index] for index in LOOPING}), 1,
                         "loops are switched without a restart, so they must be equally long")
        self.assertTrue(8 <= frames[0] <= 12, "standing must run through before the first landing")
        self.assertLess(frames[14], 10, "the jump must end while still in the air")
        self.assertTrue(6 <= frames[2] <= 10)
        for index in SHOTS:
            self.assertTrue(4 <= frames[index] <= 6, "shot %d: %d frames" % (index, frames[index]))
        for index in (54, 66):
            self.assertTrue(2 <= frames[index] <= 8)

    def test_dying_ends_lying_on_the_ground(self):
        _, animations = loaded()
        last = animations[66].frames[-1]
        ys = [joint[1] for joint in last]
        xs = [joint[0] for joint in last]
        self.assertLess(max(ys) - min(ys), 30, "not lying flat")
        self.assertGreater(max(xs) - min(xs), 60)
        self.assertGreater(min(ys), -40)


class Poses(unittest.TestCase):
    def test_every_frame_stays_within_the_figure_box(self):
        _, animations = loaded()
        for index, animation in enumerate(animations):
            for frame in animation.frames:
                for x, y, _ in frame:
                    self.assertTrue(-70 <= x <= 70 and -150 <= y <= 20, (index, x, y))

    def test_standing_feet_rest_on_the_anchor(self):
        _, animations = loaded()
        for index in (0, 41):
            for frame in animations[index].frames:
                lowest = max(figure_point(frame[PART[foot]], point)[1]
                             for foot in ("back_foot", "front_foot")
                             for point, _ in BONES["foot"].contacts)
                self.assertAlmostEqual(lowest, 3.0, delta=2.0, msg=index)

    def test_parts_meet_at_their_joints_in_every_key_pose(self):
        poses, _ = loaded()
        for number, pose in enumerate(poses):
            for child, (parent, joint) in PARENT.items():
                here = figure_point(pose[PART[parent]], BONES[kind_of(parent)].joints[joint])
                there = figure_point(pose[PART[child]], BONES[kind_of(child)].pivot)
                with self.subTest(pose=number, joint="%s-%s" % (parent, child)):
                    self.assertLess(math.hypot(here[0] - there[0], here[1] - there[1]), 0.05)

    def test_shots_point_the_gun_where_the_shot_goes(self):
        _, animations = loaded()
        for index, (dx, dy) in AIMS.items():
            pose = animations[index].frames[0]  # the shot leaves in the first frame
            grip = figure_point(pose[PART["gun"]], BONES["gun"].pivot)
            muzzle = figure_point(pose[PART["gun"]], (0, 16))
            ax, ay = muzzle[0] - grip[0], muzzle[1] - grip[1]
            angle = math.degrees(math.atan2(ay, ax))
            wanted = math.degrees(math.atan2(dy, dx))
            with self.subTest(animation=index):
                self.assertLess(abs((angle - wanted + 180) % 360 - 180), 20)


if __name__ == "__main__":
    unittest.main()
