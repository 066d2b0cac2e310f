"""The figure's skeleton: which part is which, where its joints sit in its
64x64 picture, and how a pose of bone angles becomes the 16 joints the game
draws.

Block coordinates are texels from the centre of a part's block, y down; one
texel is one figure unit. A figure stands on y = 0 (its anchor, the middle
of the bottom of the actor's box) and is about 120 units tall.

Angles in poses are in degrees, absolute (not relative to the parent):
  hanging parts (limbs, feet, gun): 0 = hanging straight down (a foot: flat,
    toes forward), positive swings the far end forwards and up, so 90 points
    forwards, 180 straight up, -90 backwards;
  upright parts (pelvis, chest, head): 0 = upright, positive leans forwards.
"Forwards" is the way the figure faces (+x when it faces right).
"""
import math
from collections import namedtuple

# Part order is draw order: later parts cover earlier ones, so the far limbs
# come first and the head last. Hands and feet (4, 7, 8, 13) and the gun (14)
# sit where a skin of one enemy type lends the player a small part.
PARTS = (
    "back_thigh", "back_shin", "back_upper_arm", "back_forearm", "back_hand",
    "pelvis", "chest", "back_foot", "front_foot", "front_thigh", "front_shin",
    "front_upper_arm", "front_forearm", "front_hand", "gun", "head",
)
SMALL_PARTS = ("back_hand", "back_foot", "front_foot", "front_hand")

# pivot: where the part hangs from its parent; joints: where children hang;
# contacts: (point, radius) that may touch the ground, used to stand poses on it.
Bone = namedtuple("Bone", "pivot joints upright contacts")

BONES = {
    "pelvis": Bone((0, 2), {"waist": (0, -4), "hip": (0, 2)}, True,
                   [((0, 0), 9)]),
    "chest": Bone((0, 15), {"neck": (0, -15), "shoulder": (0, -11)}, True,
                  [((0, 10), 10), ((0, -8), 12)]),
    "head": Bone((0, 10), {}, True, [((1, -1), 12)]),
    "upper_arm": Bone((0, -11), {"elbow": (0, 11)}, False,
                      [((0, -11), 6), ((0, 11), 5)]),
    "forearm": Bone((0, -10), {"wrist": (0, 10)}, False, [((0, 10), 5)]),
    "hand": Bone((0, -3), {"grip": (0, 1)}, False, [((0, 1), 5)]),
    "thigh": Bone((0, -14), {"knee": (0, 14)}, False, [((0, 14), 6)]),
    "shin": Bone((0, -14), {"ankle": (0, 14)}, False,
                 [((0, -14), 6), ((0, 14), 5)]),
    "foot": Bone((-4, -4), {}, False, [((-10, 3), 0), ((14, 3), 0)]),
    "gun": Bone((0, -8), {}, False, [((0, 22), 3)]),
}

# Each part's parent part and the parent's joint it hangs from.
PARENT = {
    "chest": ("pelvis", "waist"),
    "head": ("chest", "neck"),
    "back_upper_arm": ("chest", "shoulder"),
    "front_upper_arm": ("chest", "shoulder"),
    "back_forearm": ("back_upper_arm", "elbow"),
    "front_forearm": ("front_upper_arm", "elbow"),
    "back_hand": ("back_forearm", "wrist"),
    "front_hand": ("front_forearm", "wrist"),
    "gun": ("front_hand", "grip"),
    "back_thigh": ("pelvis", "hip"),
    "front_thigh": ("pelvis", "hip"),
    "back_shin": ("back_thigh", "knee"),
    "front_shin": ("front_thigh", "knee"),
    "back_foot": ("back_shin", "ankle"),
    "front_foot": ("front_shin", "ankle"),
}

# Parents before children.
PLACING_ORDER = (
    "pelvis", "chest", "head",
    "back_upper_arm", "back_forearm", "back_hand",
    "front_upper_arm", "front_forearm", "front_hand", "gun",
    "back_thigh", "back_shin", "back_foot",
    "front_thigh", "front_shin", "front_foot",
)


def kind_of(part):
    """The bone a part is: 'back_thigh' -> 'thigh'."""
    for side in ("back_", "front_"):
        if part.startswith(side):
            return part[len(side):]
    return part


def rotate(point, degrees):
    """Turn a point about the origin; positive is clockwise on the screen."""
    a = math.radians(degrees)
    c, s = math.cos(a), math.sin(a)
    return (point[0] * c - point[1] * s, point[0] * s + point[1] * c)


def screen_turn(part, angle):
    """Degrees the game turns a part's picture for a pose angle of it."""
    return angle if BONES[kind_of(part)].upright else -angle


class Placed:
    """A part put in the figure: centre of its block and its screen turn."""

    def __init__(self, centre, turn):
        self.centre = centre
        self.turn = turn

    def to_figure(self, block_point):
        x, y = rotate(block_point, self.turn)
        return (self.centre[0] + x, self.centre[1] + y)


def place_parts(angles, hip):
    """Place every part from its absolute angle, starting at the hip."""
    placed = {}
    for part in PLACING_ORDER:
        bone = BONES[kind_of(part)]
        if part in PARENT:
            parent, joint = PARENT[part]
            at = placed[parent].to_figure(BONES[kind_of(parent)].joints[joint])
        else:
            at = hip
        turn = screen_turn(part, angles[part])
        px, py = rotate(bone.pivot, turn)
        placed[part] = Placed((at[0] - px, at[1] - py), turn)
    return placed


def lowest_point(placed):
    """Greatest y reached by any ground contact of the placed parts."""
    lowest = -1e9
    for part, where in placed.items():
        for point, radius in BONES[kind_of(part)].contacts:
            lowest = max(lowest, where.to_figure(point)[1] + radius)
    return lowest


def spin_figure(placed, degrees, centre):
    """Turn the whole figure about centre (positive clockwise on screen)."""
    for where in placed.values():
        rel = (where.centre[0] - centre[0], where.centre[1] - centre[1])
        x, y = rotate(rel, degrees)
        where.centre = (centre[0] + x, centre[1] + y)
        where.turn += degrees


def shift_figure(placed, dx, dy):
    for where in placed.values():
        where.centre = (where.centre[0] + dx, where.centre[1] + dy)


def joints_of(placed):
    """The 16 joints in part order: x, y of the block centre, turn in 60-degree units."""
    return [(placed[p].centre[0], placed[p].centre[1], placed[p].turn / 60.0) for p in PARTS]
