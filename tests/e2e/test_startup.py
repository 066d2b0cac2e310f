"""Start-up and shut-down of the real game under Xvfb."""
import os
import unittest

from harness import Game, Xvfb


def break_map(folder):
    with open(os.path.join(folder, "data", "map.txt"), "w") as f:
        f.write("3\n1 2 3\n")


def huge_room_word(folder):
    # A word of 8 GB of NUL bytes where a tile code belongs, in a sparse file.
    with open(os.path.join(folder, "data", "map.txt"), "wb") as f:
        f.write(b"16\na")
        f.truncate(8 << 30)


class StartAndQuit(unittest.TestCase):
    def test_escape_ends_the_game_with_status_0_after_writing_the_maze_picture(self):
        with Xvfb() as x, Game(x) as game:
            self.assertTrue(game.first_picture(), game.output("stderr"))
            x.keys("key", "Escape")
            self.assertEqual(game.wait(), 0)
            self.assertEqual(game.output("stdout"), "")
            with open(game.file("happy.txt")) as f:
                self.assertTrue(f.read().startswith("hello?"))

    def test_the_windows_close_request_ends_the_game_with_status_0(self):
        with Xvfb() as x, Game(x) as game:
            self.assertTrue(game.first_picture(), game.output("stderr"))
            self.assertTrue(x.close_windows())
            self.assertEqual(game.wait(), 0)

    def test_escape_released_alone_does_not_quit(self):
        with Xvfb() as x, Game(x) as game:
            self.assertTrue(game.first_picture())
            x.keys("keyup", "Escape")
            self.assertIsNone(game.wait(1.0))


class StartFailures(unittest.TestCase):
    def test_a_start_that_cannot_show_the_game_gives_its_message_and_status_1(self):
        cases = {
            "SDL cannot start": ({"SDL_VIDEODRIVER": "bogus"}, "Unable to init SDL: "),
            "a video driver without OpenGL": ({"SDL_VIDEODRIVER": "dummy"}, "Could not set video mode: "),
            "no display, so SDL draws off-screen": ({"DISPLAY": None}, "Could not set video mode: "),
        }
        for name, (env, message) in cases.items():
            with self.subTest(name), Xvfb() as x, Game(x, env=env) as game:
                self.assertEqual(game.wait(), 1, game.output("stdout"))
                self.assertTrue(game.output("stdout").startswith(message), game.output("stdout"))

    def test_a_missing_data_folder_names_the_file_and_fails(self):
        with Xvfb() as x, Game(x, data=False) as game:
            self.assertNotIn(game.wait(), (None, 0))
            self.assertIn("data/contents.txt", game.output("stderr"))

    def test_a_broken_room_file_names_the_file_and_fails(self):
        with Xvfb() as x, Game(x, prepare=break_map) as game:
            self.assertNotIn(game.wait(), (None, 0))
            errors = game.output("stderr").strip().splitlines()
            self.assertEqual(len(errors), 1, errors)
            self.assertIn("data/map.txt", errors[0])

    def test_a_termination_request_ends_a_slow_load_at_once(self):
        with Xvfb() as x, Game(x, prepare=huge_room_word) as game:
            self.assertIsNone(game.wait(2.0), "the load should take far longer")
            game.process.terminate()
            self.assertIsNotNone(game.wait(3.0))

    def test_closed_standard_streams_do_not_stop_a_failing_start(self):
        for closed in ((1,), (2,), (0, 1, 2)):
            with Xvfb() as x, Game(x, prepare=break_map, closed_fds=closed) as game:
                self.assertNotIn(game.wait(), (None, 0), closed)


if __name__ == "__main__":
    unittest.main()
