"""Reads the animation file back the way the game does: key poses with 3.0
added to every y, and each animation expanded into its frames."""

Y_SHIFT = 3.0  # the game's loader adds this to every y offset
PART_COUNT = 16


class Animation:
    def __init__(self, name, header, steps, final, frames):
        self.name = name
        self.header = header
        self.steps = steps      # [(pose number, length)]
        self.final = final      # pose number the last step heads to
        self.frames = frames    # [[(x, y, angle)] * 16]


def lerp(a, b, t):
    return [tuple((1 - t) * p + t * q for p, q in zip(ja, jb)) for ja, jb in zip(a, b)]


def read_animations(text):
    """(key poses, animations) from the file's text."""
    words = text.split()
    position = [0]

    def take():
        word = words[position[0]]
        position[0] += 1
        return word

    key_count = int(take())
    take()
    poses = []
    for _ in range(key_count):
        pose = []
        for _ in range(PART_COUNT):
            x, y, angle = float(take()), float(take()), float(take())
            pose.append((x, y + Y_SHIFT, angle))
        poses.append(pose)
    animation_count = int(take())
    take()
    animations = []
    for _ in range(animation_count):
        name = take()
        header = [int(take()) for _ in range(4)]
        step_count = int(take())
        steps = [(int(take()), int(take())) for _ in range(step_count)]
        final = int(take())
        targets = [p for p, _ in steps[1:]] + [final]
        frames = []
        for (pose, length), target in zip(steps, targets):
            frames.append(poses[pose])
            frames += [lerp(poses[pose], poses[target], f / float(length)) for f in range(1, length)]
        animations.append(Animation(name, header, steps, final, frames))
    return poses, animations
