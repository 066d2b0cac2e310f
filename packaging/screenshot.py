#!/usr/bin/env python3
"""Saves a frame of the real game, run under a private 640 x 480 X server.

usage: screenshot.py GAME OUTPUT.png   (run from the repository root)
"""
import os
import sys
import time

# Long enough for the player to fall onto the floor of the first room.
SETTLE_SECONDS = 3.0
# A shot fired this long before the picture is well clear of the gun.
SHOT_SECONDS = 0.3


def main(argv):
    if len(argv) != 3:
        sys.stderr.write(__doc__.split("\n\n")[1] + "\n")
        return 2
    os.environ["CAVERN_GAME"] = os.path.abspath(argv[1])
    sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
    from harness import Game, Xvfb

    with Xvfb() as x, Game(x) as game:
        if not game.first_picture():
            sys.stderr.write("screenshot: the game showed nothing\n" + game.output("stderr"))
            return 1
        time.sleep(SETTLE_SECONDS)
        x.keys("key", "Control_L")
        time.sleep(SHOT_SECONDS)
        x.save_screenshot(argv[2])
        x.keys("key", "Escape")
        game.wait()
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
