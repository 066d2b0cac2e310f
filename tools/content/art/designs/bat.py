"""Wave flyer: a purple bat-thing with great ears and orange eyes whose
arms are membrane wings; its thin legs dangle below."""
from ..colours import ramp
from ..figure import Design, joint, pivot

FUR = ramp((104, 60, 128))
CHEST_FUR = ramp((150, 110, 170))
MEMBRANE = ramp((188, 92, 150), shadow_depth=0.6)
BONE = ramp((70, 40, 80))
EYE = (255, 150, 30)
FANG = (245, 240, 230)


class Bat(Design):
    line = (22, 8, 28)

    def head(self, c):
        c.polygon([(-8, -4), (-2, -7), (-10, -22)], FUR)                         # ears
        c.polygon([(-1, -6), (5, -6), (3, -21)], FUR)
        c.polygon([(0, -8), (3, -8), (2.5, -17)], MEMBRANE[3])
        c.capsule((0, 4), pivot("head"), 4, 4, FUR)
        c.ellipse(2, 0, 10, 9, FUR)
        c.capsule((6, 2), (12, 3), 4, 3, CHEST_FUR)                              # snout
        c.ellipse(5, -3, 3, 3, EYE)
        c.ellipse(6, -3, 1.2, 1.5, FUR[0])
        c.polygon([(8, 5), (10, 5), (9, 9)], FANG)

    def chest(self, c):
        c.ellipse(0, 0, 11, 16, FUR)
        c.ellipse(4, 1, 6, 11, CHEST_FUR, within=lambda u, v: u > 0)

    def pelvis(self, c):
        c.ellipse(0, -1, 8, 7, FUR)

    def wing(self, c, near, far, span):
        """Membrane spread on the block's -x side of the bone, scalloped."""
        (x0, y0), (x1, y1) = near, far
        points = [near, (x0 - span * 0.7, y0 + 1), (x0 - span, y0 + (y1 - y0) * 0.45),
                  (x0 - span * 0.55, y0 + (y1 - y0) * 0.55), (x1 - span * 0.6, y1 + 1), far]
        c.polygon(points, MEMBRANE)
        c.line(near, far, 3.5, BONE[2])

    def upper_arm(self, c):
        self.wing(c, pivot("upper_arm"), joint("upper_arm", "elbow"), 13)

    def forearm(self, c):
        self.wing(c, pivot("forearm"), joint("forearm", "wrist"), 18)

    def hand(self, c):
        c.ellipse(0, 0, 3, 3, BONE)
        c.capsule((0, 1), (2, 6), 1.5, 0.8, FANG)

    def thigh(self, c):
        self.limb(c, "thigh", "knee", FUR, 4, 3)

    def shin(self, c):
        self.limb(c, "shin", "ankle", BONE, 2.5, 2)

    def foot(self, c):
        for dx in (-2, 2, 6):
            c.capsule((-4, -4), (dx, 2), 1.5, 1, BONE[3])

    def gun(self, c):
        self.wing(c, pivot("gun"), (0, 18), 16)
        c.capsule((0, 18), (2, 22), 1.5, 0.8, FANG)
