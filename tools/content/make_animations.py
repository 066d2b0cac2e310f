#!/usr/bin/env python3
"""Writes AnimationData.txt into the folder given as the one argument."""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from animation.writer import animation_text  # noqa: E402


def main(argv):
    if len(argv) != 2:
        sys.stderr.write("usage: make_animations.py OUTPUT_FOLDER\n")
        return 2
    os.makedirs(argv[1], exist_ok=True)
    with open(os.path.join(argv[1], "AnimationData.txt"), "w", newline="\n") as f:
        f.write(animation_text())
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
