"""Health bar segments, the other bars, and the projectile pictures."""
from .canvas import Canvas
from .colours import ramp

BAR_WIDTH, BAR_HEIGHT = 8, 16   # one segment, drawn 1:1 on the screen
SHOT = 64                       # projectile pictures are 64 x 64
BULLET = 16

FULL_HEALTH = ramp((60, 220, 80), shadow_depth=0.6, shine=0.7)
EMPTY_HEALTH = ramp((48, 40, 52), shadow_depth=0.5, shine=0.3)
ITEM = ramp((70, 150, 255), shadow_depth=0.6, shine=0.7)
BOSS = ramp((230, 50, 70), shadow_depth=0.6, shine=0.7)
BOLT = ramp((255, 150, 30), shadow_depth=0.4, shine=0.95)
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


def bolt(size=SHOT, length=15, height=7):
    """An energy bolt flying right: white-hot head, orange glow, a tail."""
    shot = Canvas(size, size, origin=(size / 2.0, size / 2.0))
    shot.capsule((-length * 0.75, 0), (length * 0.3, 0), 0.8, height / 2.0, BOLT[2])
    shot.ellipse(length * 0.25, 0, height * 0.62, height * 0.52, BOLT[3])
    shot.capsule((-length * 0.4, 0), (length * 0.3, 0), 0.5, height * 0.28, BOLT[4])
    shot.ellipse(length * 0.3, 0, height * 0.3, height * 0.25, (255, 255, 255))
    return shot


def bullet():
    """The small bullet picture the game loads (and does not draw)."""
    return bolt(BULLET, length=8, height=4)
