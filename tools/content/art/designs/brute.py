"""Wall walker: a heavy brute in red plate armour with a horned iron
helmet, spiked bracers and a mace."""
from ..colours import ramp
from ..figure import Design, joint, pivot

PLATE = ramp((186, 50, 36))
IRON = ramp((86, 88, 98), shine=0.55)
HIDE = ramp((112, 96, 84))
HORN = ramp((232, 220, 190), shine=0.5)
WOOD = ramp((120, 78, 42))
EYES = (255, 170, 30)


class Brute(Design):
    line = (20, 8, 8)

    def head(self, c):
        c.capsule((0, 4), pivot("head"), 6, 6, HIDE)
        c.ellipse(1, -1, 12, 11, IRON)
        c.capsule((-6, -5), (-15, -9), 4, 2.5, HORN)                             # horns sweep
        c.capsule((-15, -9), (-19, -18), 2.5, 1, HORN)                           # out and up
        c.capsule((6, -6), (14, -11), 3.5, 2.2, HORN)
        c.capsule((14, -11), (16, -19), 2.2, 1, HORN)
        c.rect(-9, -9, 11, -6, IRON[3])                                          # brow band
        c.rect(2, -3, 12, 0, IRON[0])                                            # eye slit
        c.rect(5, -3, 11, -1, EYES)
        c.capsule((6, 7), (9, 2), 1.5, 1, HORN[4])                               # tusk

    def chest(self, c):
        c.capsule((0, -6), (0, 9), 14, 10, PLATE)
        c.ellipse(2, -4, 9, 9, PLATE[3], within=lambda u, v: (u - 2) ** 2 + (v + 4) ** 2 > 40)
        c.line((-12, -8), (10, 12), 3.5, IRON[1])                                # strap
        for x, y in ((-12, -14), (-4, -18), (4, -17)):
            c.polygon([(x - 2, y + 5), (x, y - 2), (x + 2, y + 5)], HORN)        # shoulder spikes

    def pelvis(self, c):
        c.capsule(joint("pelvis", "waist"), (0, 3), 11, 9, IRON)
        c.rect(-11, -6, 11, -2, IRON[1])
        c.rect(-3, -2, 5, 8, PLATE)                                              # tasset

    def upper_arm(self, c):
        self.limb(c, "upper_arm", "elbow", HIDE, 8, 7)
        c.ellipse(0, -8, 10, 8, PLATE)                                           # pauldron

    def forearm(self, c):
        self.limb(c, "forearm", "wrist", HIDE, 7, 6)
        c.capsule((0, -2), (0, 8), 7.5, 7, IRON)
        c.polygon([(-7, 0), (-12, 3), (-7, 6)], HORN)

    def hand(self, c):
        c.ellipse(0, 1, 7, 6.5, HIDE)
        c.rect(2, -2, 6, 3, HIDE[1])

    def thigh(self, c):
        self.limb(c, "thigh", "knee", HIDE, 9, 8)
        c.capsule((0, -12), (0, 6), 9.5, 8.5, PLATE)

    def shin(self, c):
        self.limb(c, "shin", "ankle", IRON, 8, 6.5)
        c.ellipse(2, -12, 6, 5, IRON[3])

    def foot(self, c):
        c.capsule((-4, -5), (-3, 0), 6.5, 6, IRON)
        c.capsule((-10, 0), (11, 0.5), 5.5, 5, IRON)
        c.rect(-15, 3, 16, 5, IRON[0])

    def gun(self, c):
        c.capsule((0, -11), (0, 8), 2.5, 2.5, WOOD)
        for dx, dy in ((-9, 14), (9, 14), (0, 23), (-6, 8), (6, 8)):
            c.line((0, 14), (dx, dy), 2.5, HORN[3])                              # spikes
        c.ellipse(0, 14, 7, 7, IRON)
