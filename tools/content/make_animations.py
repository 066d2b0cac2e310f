"""Writes AnimationData.txt into the folder given as the one argument."""
import os
import sys

from .animation.writer import animation_text


def main(argv):
    if len(argv) != 2:
        sys.stderr.write("usage: python3 -m tools.content.make_animations OUTPUT_FOLDER\n")
        return 2
    os.makedirs(argv[1], exist_ok=True)
    with open(os.path.join(argv[1], "AnimationData.txt"), "w", newline="\n") as f:
        f.write(animation_text())
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
