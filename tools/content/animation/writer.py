"""Formats the animation file: the key poses as joints, then the animations
as steps over pose numbers. Words stand only where the reader skips them."""
from .posing import solve
from .poses import KEY_POSES
from .sequences import animation_table


def number(value):
    """Four decimals: a hundredth of a degree keeps joints together."""
    text = "%.4f" % value
    return text[1:] if text == "-0.0000" else text


def used_pose_names(table):
    """Key poses some animation names, in the order KEY_POSES lists them."""
    used = set()
    for _, _, steps, final in table:
        used.update(pose for pose, _ in steps)
        used.add(final)
    missing = used - set(KEY_POSES)
    if missing:
        raise KeyError("animations name unknown poses: %s" % ", ".join(sorted(missing)))
    return [name for name in KEY_POSES if name in used]


def animation_text():
    table = animation_table()
    names = used_pose_names(table)
    number_of = {name: i for i, name in enumerate(names)}
    lines = ["%d keyposes" % len(names)]
    for name in names:
        lines.append("")
        for x, y, turn in solve(KEY_POSES[name]):
            lines.append("%s %s %s" % (number(x), number(y), number(turn)))
    lines.append("")
    lines.append("%d animations" % len(table))
    for index, name, steps, final in table:
        frames = sum(length for _, length in steps)
        looping = 1 if final == steps[0][0] else 0
        words = [name, str(index), str(frames), str(looping), "0", str(len(steps))]
        for pose, length in steps:
            words += [str(number_of[pose]), str(length)]
        words.append(str(number_of[final]))
        lines.append(" ".join(words))
    return "\n".join(lines) + "\n"
