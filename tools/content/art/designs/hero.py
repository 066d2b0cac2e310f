"""The player: a blue-suited explorer with a gold visor, white armour, a
backpack and a compact blaster. Gloves and boots are plain dark grey, since
some enemies wear the player's hands and feet."""
from ..colours import ramp
from ..figure import Design, joint, pivot

SUIT = ramp((46, 96, 206))
ARMOUR = ramp((200, 208, 222), shadow_depth=0.6, shine=0.6)
VISOR = ramp((236, 168, 36), shine=0.75)
DARK = ramp((64, 64, 80))
GLOW = ramp((80, 230, 255), shine=0.8)
GUN_METAL = ramp((120, 126, 140))
STRIPE = (226, 60, 40)


class Hero(Design):
    line = (10, 14, 36)

    def head(self, c):
        c.capsule((0, 3), pivot("head"), 4, 4, DARK)
        c.ellipse(1, -1, 12, 12, SUIT)
        c.ellipse(-2, -1, 4, 4, ARMOUR)                       # ear bolt
        c.ellipse(1, -1, 11, 11, ARMOUR[3], within=lambda u, v: abs(u + 1) < 2.5 and v < -4)
        c.ellipse(1, -1, 10.5, 10.5, VISOR, within=lambda u, v: u > 2 and -7 < v < 4)
        c.line((5, -5), (9, 1), 1.5, VISOR[4])                # glint

    def chest(self, c):
        c.capsule((-12, -9), (-12, 5), 5, 5, DARK)           # backpack
        c.ellipse(-14, -6, 2, 2, GLOW[3])
        c.capsule((0, -6), (0, 9), 12, 9, SUIT)
        c.ellipse(4, -5, 7, 8, ARMOUR, within=lambda u, v: u * u / 144.0 + (v + 6) ** 2 / 100.0 < 1.3)
        c.ellipse(6, -7, 2, 2, GLOW[3])
        c.rect(-9, 11, 9, 15, DARK[1])

    def pelvis(self, c):
        c.capsule(joint("pelvis", "waist"), (0, 3), 10, 9, DARK)
        c.rect(-10, -6, 10, -3, DARK[1])
        c.rect(3, -6, 8, -2, VISOR[3])                        # belt buckle

    def upper_arm(self, c):
        self.limb(c, "upper_arm", "elbow", SUIT, 6, 5.5)
        c.ellipse(0, -9, 8, 7, ARMOUR)                        # shoulder pad

    def forearm(self, c):
        self.limb(c, "forearm", "wrist", SUIT, 5.5, 5)
        c.capsule((0, 4), joint("forearm", "wrist"), 6, 6, ARMOUR)  # cuff

    def hand(self, c):
        c.ellipse(0, 1, 5.5, 5.5, DARK)
        c.rect(1, -1, 5, 1, DARK[3])

    def thigh(self, c):
        self.limb(c, "thigh", "knee", SUIT, 7.5, 6.5)

    def shin(self, c):
        self.limb(c, "shin", "ankle", SUIT, 6.5, 5.5)
        c.capsule((0, -1), joint("shin", "ankle"), 7, 6, ARMOUR)   # boot
        c.ellipse(1, -13, 5, 5, ARMOUR)                       # knee pad

    def foot(self, c):
        c.capsule((-4, -5), (-3, 0), 5, 5, ARMOUR)
        c.capsule((-8, 0), (11, 0.5), 4.5, 4, DARK)
        c.rect(-12, 3, 15, 5, DARK[1])                        # sole

    def gun(self, c):
        c.rect(-10, -11, -3, -4, DARK)                        # grip: below the barrel when aimed
        c.capsule((0, -11), (0, 7), 5.5, 5, GUN_METAL)
        c.rect(3, -6, 5.5, 5, STRIPE)
        c.capsule((0, 7), (0, 14), 3, 3, DARK)                # barrel
        c.ellipse(0, 15, 3, 2.5, GLOW)                        # emitter
        c.rect(-3, -3, 0, 4, GLOW[3])                         # charge window
