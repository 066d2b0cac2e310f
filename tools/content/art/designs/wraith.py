"""Chaser: a hooded wraith in a ragged robe, with glowing eyes in the dark
of its hood, bony claws and a staff topped by a glowing orb; its robe
trails off in tatters where legs would be."""
from ..colours import ramp
from ..figure import Design, joint, pivot

BONE = ramp((214, 206, 186), shine=0.5)
VOID = (12, 8, 16)
WOOD = ramp((92, 66, 50))


class Wraith(Design):
    line = (10, 8, 14)

    def __init__(self, robe=(74, 64, 96), glow=(120, 255, 120)):
        self.robe = ramp(robe, shine=0.4)
        self.glow = ramp(glow, shadow_depth=0.4, shine=0.8)

    def head(self, c):
        c.polygon([(-6, -10), (-16, 2), (-8, 4)], self.robe)                     # hood tip
        c.ellipse(0, -1, 12, 12, self.robe)
        c.ellipse(6, 1, 6.5, 8, VOID)
        c.ellipse(7, -1, 1.8, 1.8, self.glow[4])
        c.ellipse(10.5, -1, 1.4, 1.4, self.glow[3])

    def chest(self, c):
        c.capsule((0, -8), (0, 9), 11, 13, self.robe)
        c.capsule((-6, -14), (8, -12), 3, 3, BONE)                               # collar
        c.line((4, -10), (8, 12), 2, self.robe[1])

    def pelvis(self, c):
        c.capsule(joint("pelvis", "waist"), (0, 4), 12, 11, self.robe)

    def upper_arm(self, c):
        self.limb(c, "upper_arm", "elbow", self.robe, 6, 7.5)

    def forearm(self, c):
        c.polygon([(-6, -10), (6, -10), (10, 9), (4, 7), (0, 11), (-5, 7), (-10, 9)], self.robe)

    def hand(self, c):
        for dx in (-3, 0, 3):
            c.capsule((0, -1), (dx, 7), 1.5, 1, BONE)
        c.ellipse(0, 0, 3.5, 3.5, BONE)

    def tatters(self, c, top, bottom, top_half, bottom_half):
        def at(u, v):
            t = (v - top) / float(bottom - top)
            half = top_half + (bottom_half - top_half) * t
            ragged = bottom - 6 + 6 * abs(((u + 16) / 4.0) % 2 - 1)  # a point in the middle
            return self.robe[2] if abs(u) <= half and v <= ragged else None
        c.paint((-top_half - 1, top, top_half + 1, bottom), at)
        c.line((-top_half * 0.4, top), (-bottom_half * 0.4, bottom - 6), 1.5, self.robe[1])

    def thigh(self, c):
        c.capsule(pivot("thigh"), (0, 8), 10, 9, self.robe)
        self.tatters(c, -6, 19, 9, 8)

    def shin(self, c):
        self.tatters(c, -18, 14, 8, 4)

    def foot(self, c):
        c.ellipse(-3, -2, 4, 3, self.glow[1])

    def gun(self, c):
        c.capsule((0, -14), (0, 12), 2, 2, WOOD)
        c.ellipse(0, 16, 5, 5, self.glow)
        c.ellipse(-1, 15, 1.5, 1.5, self.glow[4])
