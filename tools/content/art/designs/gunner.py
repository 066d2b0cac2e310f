"""Standing gunner: a heavy trooper in a helmet with glowing goggles, an
armoured vest with an ammunition belt, tall boots and a long rifle."""
from ..colours import ramp
from ..figure import Design, joint, pivot

SKIN = ramp((150, 104, 78))
BOOT = ramp((44, 40, 44))
GUN_METAL = ramp((70, 74, 84))
BRASS = (222, 184, 70)
BELT_FROM, BELT_TO = (-9, -12), (9, 10)  # across the chest, shoulder to hip


class Gunner(Design):
    line = (14, 12, 14)

    def __init__(self, cloth=(104, 120, 60), helmet=(74, 86, 46), goggles=(255, 70, 40)):
        self.cloth = ramp(cloth)
        self.helmet = ramp(helmet, shine=0.5)
        self.goggles = ramp(goggles, shadow_depth=0.4, shine=0.8)

    def head(self, c):
        c.capsule((1, 4), pivot("head"), 4.5, 4.5, SKIN)
        c.ellipse(3, 3, 7, 6, SKIN)                                              # jaw
        c.ellipse(1, -3, 11, 9, self.helmet)
        c.rect(-6, 1, 13, 3, self.helmet[1])                                     # brim
        c.ellipse(7, -1, 4, 2.5, self.goggles)
        c.line((-4, 0), (3, 7), 1.5, self.helmet[0])                             # chin strap

    def chest(self, c):
        c.capsule((0, -6), (0, 9), 13, 10, self.cloth)
        c.capsule((-3, -8), (3, 8), 10, 8, self.helmet)         # vest
        c.line(BELT_FROM, BELT_TO, 4, BOOT[2])                                   # ammo belt
        for i in range(5):
            t = (i + 0.5) / 5.0
            c.ellipse(BELT_FROM[0] + (BELT_TO[0] - BELT_FROM[0]) * t,
                      BELT_FROM[1] + (BELT_TO[1] - BELT_FROM[1]) * t, 1.2, 1.2, BRASS)
        c.rect(-15, -2, -9, 8, BOOT[1])                                          # pouch

    def pelvis(self, c):
        c.capsule(joint("pelvis", "waist"), (0, 3), 10, 9, self.cloth)
        c.rect(-10, -6, 10, -2, BOOT[1])
        c.rect(2, -6, 6, -2, BRASS)

    def upper_arm(self, c):
        self.limb(c, "upper_arm", "elbow", self.cloth, 6.5, 6)
        c.ellipse(0, -9, 8.5, 7, self.helmet)

    def forearm(self, c):
        self.limb(c, "forearm", "wrist", self.cloth, 6, 5)
        c.capsule((0, 2), joint("forearm", "wrist"), 6, 5.5, BOOT)

    def hand(self, c):
        c.ellipse(0, 1, 5.5, 5.5, SKIN)

    def thigh(self, c):
        self.limb(c, "thigh", "knee", self.cloth, 8, 7)
        c.rect(-8, -2, -3, 6, self.cloth[1])                                     # pocket

    def shin(self, c):
        self.limb(c, "shin", "ankle", self.cloth, 6.5, 5.5)
        c.capsule((0, -4), joint("shin", "ankle"), 7, 6.5, BOOT)

    def foot(self, c):
        c.capsule((-4, -5), (-3, 0), 6, 5, BOOT)
        c.capsule((-9, 0), (10, 0.5), 5, 4.5, BOOT)
        c.rect(-13, 3, 14, 5, BOOT[0])

    def gun(self, c):
        c.rect(-11, -4, -4, 4, GUN_METAL)                                        # magazine
        c.capsule((0, -16), (0, 12), 4.5, 4, GUN_METAL)
        c.rect(1, -16, 5, -4, SKIN[1])                                           # stock
        c.capsule((0, 12), (0, 24), 2, 2, GUN_METAL[1])                          # barrel
        c.ellipse(0, 24, 2.5, 2, self.goggles[3])
