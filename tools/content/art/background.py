"""The cave wall behind every room: dark, cool and low in contrast, so the
tiles and figures stand out in front of it. It shows uneven layers of rock,
warped and split by joints, and repeats seamlessly, since every room shows
the same picture side by side."""
import bisect

from .canvas import Canvas
from .colours import mix
from .noise import fractal_noise, hash01

SIZE = 640
GRAIN = 2                       # the wall is painted in 2x2 pixel dabs
SHADES = 16                     # distinct tones; keeps the palette small
DARKEST = (13, 12, 22)
LIGHTEST = (54, 50, 70)
WARP = 70                       # how far the layers bend, in pixels
SEED = 11


def spaced_marks(count, seed, stream):
    """count increasing positions in [0, SIZE) at uneven gaps."""
    gaps = [0.4 + hash01(i, stream, seed) for i in range(count)]
    scale = SIZE / sum(gaps)
    marks, at = [], 0.0
    for gap in gaps:
        marks.append(at)
        at += gap * scale
    return marks


LAYER_TOPS = spaced_marks(13, SEED, 0)
JOINTS = [spaced_marks(4 + int(6 * hash01(i, 1, SEED)), SEED + i, 2) for i in range(len(LAYER_TOPS))]


def tone(level):
    step = int(max(0.0, min(0.999, level)) * SHADES)
    return mix(DARKEST, LIGHTEST, step / float(SHADES - 1))


def wall_level(u, v):
    """Brightness in [0, 1) of the wall at a point."""
    depth = (v + WARP * (fractal_noise(u, v, SIZE, 5, octaves=3, base_cells=2) - 0.5)) % SIZE
    layer = bisect.bisect_right(LAYER_TOPS, depth) - 1
    top = LAYER_TOPS[layer]
    bottom = LAYER_TOPS[layer + 1] if layer + 1 < len(LAYER_TOPS) else SIZE
    within = (depth - top) / (bottom - top)
    mass = fractal_noise(u, v, SIZE, 23, octaves=4, base_cells=4)
    level = 0.18 + 0.22 * hash01(layer, 3, SEED) + 0.35 * mass
    if within < 0.1:
        level += 0.2                                    # lit lip of the layer
    elif within > 0.8:
        level -= 0.5 * (within - 0.8)                   # shadow under the next one
    slant = (within - 0.5) * 10 * (hash01(layer, 4, SEED) - 0.5)
    x = (u + slant) % SIZE
    joints = JOINTS[layer]
    i = bisect.bisect_right(joints, x) - 1
    gap = min(x - joints[i], (joints[i + 1] if i + 1 < len(joints) else SIZE) - x)
    if gap < 1.6:
        return 0.0
    return level


def make_background():
    picture = Canvas(SIZE, SIZE)
    for y in range(0, SIZE, GRAIN):
        for x in range(0, SIZE, GRAIN):
            colour = tone(wall_level(x + GRAIN / 2.0, y + GRAIN / 2.0))
            for dy in range(GRAIN):
                row = (y + dy) * SIZE
                picture.pixels[row + x:row + x + GRAIN] = [colour] * GRAIN
    return picture
