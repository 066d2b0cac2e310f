"""The animation table: for each index the game uses, its key poses and
how many frames (50 ms passes) each step lasts.

A step shows its key pose and then moves towards the next one; the last
step moves towards the final pose, which is never shown itself. Looping
animations end heading back to their first pose.
"""
from .poses import TUMBLE_TURNS

ANIMATION_COUNT = 67  # the game uses indices up to 66
# Every loop lasts the same: the game switches between loops without
# restarting the frame count, which then always stays inside the new loop.
LOOP = 8
HALF = LOOP // 2
QUARTER = LOOP // 4


def shot(place, direction, after):
    """A short shot: the muzzle kicks, settles, and heads back to after."""
    return [("%s_fire_%s" % (place, direction), 2), ("%s_aim_%s" % (place, direction), 3)], after


ANIMATIONS = {
    # The player (0, 1, 2 and 13 are also the enemies').
    0: ("stand", [("stand", HALF), ("stand_breath", HALF)], "stand"),
    1: ("run", [("run_reach_front", QUARTER), ("run_pass_back", QUARTER),
                ("run_reach_back", QUARTER), ("run_pass_front", QUARTER)], "run_reach_front"),
    2: ("hurt", [("hurt_recoil", 3), ("hurt_sag", 5)], "stand"),
    6: ("stand_shot_forward",) + shot("stand", "forward", "stand"),
    7: ("stand_shot_diagonal_up",) + shot("stand", "diag_up", "stand"),
    8: ("stand_shot_up",) + shot("stand", "up", "stand"),
    10: ("crouch", [("crouch", HALF), ("crouch_breath", HALF)], "crouch"),
    12: ("crouch_shot", [("crouch_fire", 2), ("crouch_aim", 3)], "crouch"),
    13: ("fall", [("fall", HALF), ("fall_flail", HALF)], "fall"),
    14: ("jump", [("jump_rise", 3), ("jump_tuck", 4)], "fall"),
    18: ("air_shot_forward",) + shot("air", "forward", "fall"),
    19: ("air_shot_diagonal_up",) + shot("air", "diag_up", "fall"),
    20: ("air_shot_up",) + shot("air", "up", "fall"),
    21: ("air_shot_diagonal_down",) + shot("air", "diag_down", "fall"),
    22: ("air_shot_down",) + shot("air_legs_back", "down", "fall"),
    23: ("ladder", [("ladder_reach_back", HALF), ("ladder_hang", HALF)], "ladder_reach_back"),
    24: ("climb", [("ladder_reach_back", HALF), ("ladder_reach_front", HALF)], "ladder_reach_back"),
    29: ("ladder_shot_forward",) + shot("ladder", "forward", "ladder_reach_back"),
    30: ("ladder_shot_diagonal_up",) + shot("ladder", "diag_up", "ladder_reach_back"),
    31: ("ladder_shot_up",) + shot("ladder", "up", "ladder_reach_back"),
    32: ("ladder_shot_diagonal_down",) + shot("ladder", "diag_down", "ladder_reach_back"),
    33: ("ladder_shot_down",) + shot("ladder", "down", "ladder_reach_back"),
    # The enemies.
    4: ("enemy_stand_shot_level",) + shot("stand", "forward", "stand"),
    5: ("enemy_stand_shot_up",) + shot("stand", "up", "stand"),
    15: ("enemy_air_shot_level",) + shot("hover", "forward", "fall"),
    16: ("enemy_air_shot_up",) + shot("hover", "up", "fall"),
    17: ("enemy_air_shot_down",) + shot("hover", "down", "fall"),
    37: ("enemy_bounce", [("tumble_%d" % turn, 1) for turn in TUMBLE_TURNS], "tumble_0"),
    41: ("enemy_stand", [("guard", HALF), ("guard_breath", HALF)], "guard"),
    50: ("enemy_hover", [("hover_up", HALF), ("hover_down", HALF)], "hover_up"),
    54: ("enemy_dying", [("die_stagger", 2), ("die_kneel", 2)], "die_kneel"),
    66: ("enemy_dead", [("die_kneel", 2), ("die_topple", 2), ("die_lying", 2)], "die_lying"),
}

# Indices nothing plays still need a valid entry.
UNUSED_POSE = "stand"


def animation_table():
    """(index, name, steps, final pose) for every index, in file order."""
    table = []
    for index in range(ANIMATION_COUNT):
        if index in ANIMATIONS:
            name, steps, final = ANIMATIONS[index]
        else:
            name, steps, final = "unused_%d" % index, [(UNUSED_POSE, 1)], UNUSED_POSE
        table.append((index, name, steps, final))
    return table
