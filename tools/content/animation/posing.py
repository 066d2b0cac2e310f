"""Turning a key pose (bone angles in degrees) into the game's 16 joints.

A key pose is a dict made by key(). Limbs are pairs: arms (upper arm,
forearm), legs (thigh, shin). Angle conventions are those of skeleton.py.
A pose stands on the ground unless it gives a hip position (figures in the
air hang from a hip fixed relative to their box).
"""
from . import skeleton

AIR_HIP = (0.0, -66.0)  # hip of a figure in the air: legs free, head at the box top


def key(torso=0.0, head=None, back_arm=(0.0, 0.0), front_arm=(0.0, 0.0),
        back_leg=(0.0, 0.0), front_leg=(0.0, 0.0), back_foot=None, front_foot=None,
        gun=None, hip=None, lift=0.0, spin=0.0, spin_about=None):
    """A key pose. The pelvis leans with the torso, the head half as far;
    hands follow their forearms, the gun the front forearm unless given, and
    feet turn half as far as their shins unless given. lift raises the whole
    figure; spin turns it about spin_about (the hip unless given)."""
    return dict(torso=torso, head=head, back_arm=back_arm, front_arm=front_arm,
                back_leg=back_leg, front_leg=front_leg,
                back_foot=back_foot, front_foot=front_foot,
                gun=gun, hip=hip, lift=lift, spin=spin, spin_about=spin_about)


def vary(base, **changes):
    """A copy of a key pose with some fields changed."""
    pose = dict(base)
    pose.update(changes)
    return pose


def _given(value, default):
    return default if value is None else value


def part_angles(pose):
    """The absolute angle of every part."""
    a = {}
    a["chest"] = a["pelvis"] = pose["torso"]
    a["head"] = _given(pose["head"], pose["torso"] * 0.5)
    for side in ("back", "front"):
        upper, fore = pose[side + "_arm"]
        a[side + "_upper_arm"] = upper
        a[side + "_forearm"] = fore
        a[side + "_hand"] = fore
        thigh, shin = pose[side + "_leg"]
        a[side + "_thigh"] = thigh
        a[side + "_shin"] = shin
        a[side + "_foot"] = _given(pose[side + "_foot"], shin * 0.5)
    a["gun"] = _given(pose["gun"], a["front_forearm"])
    return a


def solve(pose):
    """The 16 joints (x, y, turn in 60-degree units) of a key pose."""
    hip = _given(pose["hip"], (0.0, 0.0))
    placed = skeleton.place_parts(part_angles(pose), hip)
    if pose["spin"]:
        centre = _given(pose["spin_about"], hip)
        skeleton.spin_figure(placed, pose["spin"], centre)
    if pose["hip"] is None:
        skeleton.shift_figure(placed, 0.0, -skeleton.lowest_point(placed) - pose["lift"])
    else:
        skeleton.shift_figure(placed, 0.0, -pose["lift"])
    return skeleton.joints_of(placed)
