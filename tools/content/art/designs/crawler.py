"""Ledge walker: a hunched green lizard with a toothy snout, spines down
its back, a tail and a bone club."""
from ..colours import ramp
from ..figure import Design, joint, pivot

SCALES = ramp((70, 150, 60))
BELLY = ramp((206, 196, 96))
SPINES = ramp((160, 60, 40))
BONE = ramp((226, 214, 180), shine=0.5)
EYE = (255, 220, 40)


class Crawler(Design):
    line = (12, 24, 10)

    def head(self, c):
        c.capsule((0, 4), pivot("head"), 5, 5, SCALES)
        c.polygon([(-10, -6), (-16, -10), (-9, -1)], SPINES)
        c.polygon([(-7, -9), (-10, -16), (-3, -8)], SPINES)
        c.capsule((6, 4), (15, 5), 4, 3, BELLY)                                  # lower jaw
        c.capsule((-3, -1), (13, 1), 9, 5, SCALES)                               # snout
        for x in (6, 9, 12):
            c.polygon([(x, 4), (x + 2, 4), (x + 1, 7)], BONE[4])                 # teeth
        c.ellipse(2, -5, 3.5, 3, EYE)
        c.rect(2, -7, 3, -3, SCALES[0])                                          # slit pupil
        c.ellipse(15, -1, 1.2, 1.2, SCALES[0])                                   # nostril

    def chest(self, c):
        for v in (-12, -4, 4):
            c.polygon([(-10, v - 4), (-19, v + 1), (-10, v + 5)], SPINES)
        c.capsule((0, -6), (0, 9), 12, 9, SCALES)
        c.ellipse(5, 0, 6, 13, BELLY, within=lambda u, v: u > 1)
        for v in (-6, -1, 4, 9):
            c.line((2, v), (10, v), 1, BELLY[1])

    def pelvis(self, c):
        c.capsule((-4, 2), (-24, 14), 6, 2, SCALES)                              # tail
        c.capsule(joint("pelvis", "waist"), (0, 3), 10, 9, SCALES)
        c.ellipse(4, -1, 5, 7, BELLY, within=lambda u, v: u > 1)

    def upper_arm(self, c):
        self.limb(c, "upper_arm", "elbow", SCALES, 5.5, 4.5)
        c.polygon([(-4, -6), (-10, -2), (-4, 2)], SPINES)

    def forearm(self, c):
        self.limb(c, "forearm", "wrist", SCALES, 4.5, 4)

    def hand(self, c):
        for dx in (-3, 0, 3):
            c.line((dx * 0.5, 1), (dx, 7), 1.8, BONE[3])
        c.ellipse(0, 0, 4.5, 4.5, SCALES)

    def thigh(self, c):
        self.limb(c, "thigh", "knee", SCALES, 8.5, 6)

    def shin(self, c):
        self.limb(c, "shin", "ankle", SCALES, 6, 4)
        c.polygon([(-5, -12), (-11, -8), (-5, -5)], SPINES)

    def foot(self, c):
        c.capsule((-5, -4), (-3, 0), 4.5, 4, SCALES)
        c.capsule((-8, 0), (9, 1), 4, 3.5, SCALES)
        for dx in (9, 13):
            c.polygon([(dx, -1), (dx + 4, 2), (dx, 4)], BONE[4])                 # claws

    def gun(self, c):
        c.capsule((0, -10), (0, 12), 2.5, 4, BONE)
        c.ellipse(0, 15, 6, 6, BONE)
        c.ellipse(-2, 13, 1.5, 1.5, BONE[1])
