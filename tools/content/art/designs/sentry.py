"""Hovering sentry drone: a metal orb with one glowing eye, an antenna,
small manipulator arms and thrusters whose flames hang below it."""
from ..colours import ramp
from ..figure import Design, joint, pivot

FLAME = ramp((255, 150, 30), shadow_depth=0.3, shine=0.9)
DARK_METAL = ramp((62, 66, 78))


class Sentry(Design):
    line = (14, 14, 24)

    def __init__(self, shell=(150, 156, 170), eye=(255, 50, 40)):
        self.shell = ramp(shell, shine=0.7)
        self.eye = ramp(eye, shadow_depth=0.4, shine=0.8)

    def chest(self, c):
        c.ellipse(0, -2, 16, 16, self.shell)
        c.ellipse(0, -2, 16, 16, self.shell[1], within=lambda u, v: 0 < v < 3)   # seam
        c.ellipse(8, -5, 6.5, 6, DARK_METAL[0])                                   # socket
        c.ellipse(9, -5, 4, 4, self.eye)
        c.ellipse(10, -6, 1.3, 1.3, self.eye[4])
        c.ellipse(-10, 6, 2, 2, DARK_METAL[3])                                    # rivets
        c.ellipse(-4, 10, 2, 2, DARK_METAL[3])

    def head(self, c):
        c.line((1, 4), (5, -12), 2, DARK_METAL[3])                                # antenna
        c.ellipse(5, -13, 3, 3, self.eye)
        c.ellipse(0, 7, 8, 5, self.shell)

    def pelvis(self, c):
        c.capsule(joint("pelvis", "waist"), (0, 4), 9, 6, DARK_METAL)
        c.rect(-6, 3, 6, 6, self.shell[1])

    def upper_arm(self, c):
        c.capsule(pivot("upper_arm"), (0, 3), 5.5, 4.5, self.shell)
        c.line((0, 3), joint("upper_arm", "elbow"), 3.5, DARK_METAL[2])

    def forearm(self, c):
        c.line(pivot("forearm"), (0, 5), 4, DARK_METAL[2])
        c.capsule((0, 4), joint("forearm", "wrist"), 4, 3.5, self.shell)

    def hand(self, c):
        c.ellipse(0, 0, 3.5, 3.5, DARK_METAL)
        c.line((-2, 1), (-3, 6), 2, DARK_METAL[3])
        c.line((2, 1), (3, 6), 2, DARK_METAL[3])

    def thigh(self, c):
        c.polygon([(-4, -15), (4, -15), (6, -3), (-6, -3)], DARK_METAL)          # nozzle
        c.rect(-6, -5, 6, -2, self.shell[1])
        self.flame(c, -2, 15, 5)

    def shin(self, c):
        self.flame(c, -15, 15, 4)                                                # tip at the ankle

    @staticmethod
    def flame(c, top, bottom, width):
        def at(u, v):
            t = min(1.0, max(0.0, (v - top) / float(bottom - top)))
            half = width * (1.0 - t) ** 0.7 * (1.0 + 0.15 * ((int(v) // 3) % 2))
            if half <= 0.0 or abs(u) > half:
                return None
            core = abs(u) / half
            return FLAME[4] if core < 0.35 and t < 0.7 else FLAME[3] if core < 0.7 else FLAME[2]
        c.paint((-width * 1.2, top, width * 1.2, bottom), at)

    def foot(self, c):
        c.polygon([(-4, -8), (-2, -4), (2, -2), (-2, 0), (-4, 4), (-6, 0), (-10, -2), (-6, -4)],
                  FLAME[4])

    def gun(self, c):
        c.capsule((0, -10), (0, 10), 4.5, 4, DARK_METAL)
        c.rect(-2, -6, 2, 6, self.shell[2])
        c.capsule((0, 10), (0, 14), 5.5, 5.5, DARK_METAL[1])
        c.ellipse(0, 15, 3, 2, self.eye[3])
