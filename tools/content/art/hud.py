"""Health bar segments, the other bars, and the projectile pictures.

A shot is drawn unturned whichever way it flies, so its picture is a spark with
the same outline turned by any quarter turn: a glowing core and eight rays."""
from .canvas import Canvas
from .colours import ramp

BAR_WIDTH, BAR_HEIGHT = 8, 16   # one segment, drawn 1:1 on the screen
SHOT = 64                       # projectile pictures are 64 x 64
BULLET = 16

FULL_HEALTH = ramp((60, 220, 80), shadow_depth=0.6, shine=0.7)
EMPTY_HEALTH = ramp((48, 40, 52), shadow_depth=0.5, shine=0.3)
ITEM = ramp((70, 150, 255), shadow_depth=0.6, shine=0.7)
BOSS = ramp((230, 50, 70), shadow_depth=0.6, shine=0.7)
SPARK = ramp((255, 150, 30), shadow_depth=0.4, shine=0.95)
FRAME = (10, 10, 16)


def bar_segment(colours):
    """A segment with a dark frame, a bright top and a shaded body."""
    bar = Canvas(BAR_WIDTH, BAR_HEIGHT, fill=colours[2])
    bar.rect(1, 1, BAR_WIDTH - 1, 4, colours[4])
    bar.rect(1, 4, BAR_WIDTH - 1, 6, colours[3])
    bar.rect(1, BAR_HEIGHT - 5, BAR_WIDTH - 1, BAR_HEIGHT - 1, colours[1])
    frame(bar)
    return bar


def frame(canvas):
    """The dark line around a picture of the screen's furniture."""
    for x in range(canvas.width):
        canvas.set(x, 0, FRAME)
        canvas.set(x, canvas.height - 1, FRAME)
    for y in range(canvas.height):
        canvas.set(0, y, FRAME)
        canvas.set(canvas.width - 1, y, FRAME)


def spark(size=SHOT, reach=10.0):
    """A white-hot core in an orange glow, long rays along the axes and short ones
    across, ringed in dark so that it shows on light rock too."""
    shot = Canvas(size, size, origin=(size / 2.0, size / 2.0))
    width = max(0.5, reach * 0.14)
    for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
        shot.capsule((0, 0), (dx * reach, dy * reach), width, width * 0.4, SPARK[2])
    for dx, dy in ((1, 1), (-1, 1), (1, -1), (-1, -1)):
        shot.capsule((0, 0), (dx * reach * 0.45, dy * reach * 0.45), width * 0.8, width * 0.4, SPARK[3])
    shot.ellipse(0, 0, reach * 0.45, reach * 0.45, SPARK[3])
    shot.ellipse(0, 0, reach * 0.25, reach * 0.25, (255, 255, 255))
    shot.outline(SPARK[0], thickness=1)
    return shot


def bullet():
    """The small bullet picture the game loads (and does not draw)."""
    return spark(BULLET, reach=6.0)
