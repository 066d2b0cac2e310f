"""Bouncer: an orange spiked jelly with one big eye and hanging tentacles,
which curls up and tumbles when it bounces."""
import math

from ..colours import ramp
from ..figure import Design, joint, pivot

BELL = ramp((236, 120, 30))
SPOTS = (255, 200, 90)
TENTACLE = ramp((214, 90, 110))
BANDS = (250, 170, 150)
EYE_WHITE = ramp((240, 240, 230), shadow_depth=0.4, shine=0.6)
PUPIL = (20, 10, 30)
SPIKE = ramp((250, 230, 150))


class Bouncer(Design):
    line = (36, 12, 8)

    def chest(self, c):
        for i in range(7):
            a = -150 + i * 30
            self.spike(c, a)
        c.ellipse(0, -1, 17, 16, BELL)
        for x, y, r in ((-8, -8, 3), (-11, 3, 2.5), (-3, 8, 2), (2, -11, 2)):
            c.ellipse(x, y, r, r, SPOTS)
        c.ellipse(7, -3, 7, 7.5, EYE_WHITE)
        c.ellipse(9, -3, 3.5, 4, PUPIL)
        c.ellipse(10, -5, 1.2, 1.2, EYE_WHITE[4])
        c.line((6, 8), (13, 6), 2, BELL[0])                                      # mouth

    @staticmethod
    def spike(c, degrees):
        a = math.radians(degrees)
        dx, dy = math.cos(a), math.sin(a)
        base = (dx * 14, dy * 13 - 1)
        tip = (dx * 23, dy * 22 - 1)
        side = (-dy * 4, dx * 4)
        c.polygon([(base[0] + side[0], base[1] + side[1]), tip,
                   (base[0] - side[0], base[1] - side[1])], SPIKE)

    def head(self, c):
        c.line((0, 10), (1, -2), 3, BELL[1])
        c.ellipse(1, -3, 4.5, 4.5, BELL)
        c.ellipse(2, -4, 1.5, 1.5, SPOTS)

    def pelvis(self, c):
        c.ellipse(0, 0, 12, 6, TENTACLE)

    def tentacle(self, c, kind, far_joint, top, bottom):
        near, far = pivot(kind), joint(kind, far_joint)
        c.capsule(near, far, top, bottom, TENTACLE)
        for t in (0.3, 0.65):
            y = near[1] + (far[1] - near[1]) * t
            c.rect(-top + 1, y, top - 1, y + 1.5, BANDS)

    def upper_arm(self, c):
        self.tentacle(c, "upper_arm", "elbow", 4, 3.5)

    def forearm(self, c):
        self.tentacle(c, "forearm", "wrist", 3.5, 2.5)

    def hand(self, c):
        c.ellipse(0, 1, 3.5, 3.5, TENTACLE)

    def thigh(self, c):
        self.tentacle(c, "thigh", "knee", 4.5, 3.5)

    def shin(self, c):
        self.tentacle(c, "shin", "ankle", 3.5, 2.5)

    def foot(self, c):
        c.capsule((-4, -4), (1, 0), 3, 2, TENTACLE)
        c.ellipse(2, -1, 2.5, 2.5, BANDS)

    def gun(self, c):
        c.capsule(pivot("gun"), (0, 16), 3.5, 1, SPIKE)
        c.rect(-2, 0, 2, 1.5, BELL[1])
