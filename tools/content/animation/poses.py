"""The key poses of every figure, by name.

Angles in degrees (see skeleton.py): limbs 0 = hanging down, + swings
forwards/up; torso and head + leans forwards; arms are (upper arm, forearm),
legs (thigh, shin). Ground poses stand on their lowest point; air poses hang
from a hip fixed to the box.
"""
from .posing import AIR_HIP, key, vary

# Aim directions of the gun (its swing): the shot table's eight directions
# come down to five in the figure's own frame, since it is mirrored.
AIM_DOWN, AIM_DIAG_DOWN, AIM_FORWARD, AIM_DIAG_UP, AIM_UP = 0, 45, 90, 135, 180
FROM_HIP = "from the hip"  # level, but held low, where level shots leave the box
KICK = 12  # degrees the muzzle jumps in the firing frame


def two_handed(aim, kick=0.0):
    """Both hands on the gun, pointing it along aim; kick lifts the muzzle."""
    if aim == FROM_HIP:
        return dict(front_arm=(38 + kick * 0.5, 90 + kick), back_arm=(25, 96), gun=90 + kick)
    return dict(front_arm=(aim - 14 + kick, aim + kick), back_arm=(aim - 38, aim + 4),
                gun=aim + kick)


def one_handed(aim, kick=0.0):
    """The gun in the front hand alone; the other one holds on."""
    return dict(front_arm=(aim - 14 + kick, aim + kick), gun=aim + kick)


def ladder_grip(step):
    """Legs and back hand on the rungs; step 0 or 1 is which knee is up."""
    up, down = (44, -6), (6, 2)
    legs = dict(back_leg=up, front_leg=down) if step == 0 else dict(back_leg=down, front_leg=up)
    return dict(hip=(2.0, -62.0), torso=4, head=-4, **legs)


STAND = key(torso=3, back_arm=(-8, 6), front_arm=(14, 62), gun=70,
            back_leg=(-7, -4), front_leg=(7, 3), back_foot=0, front_foot=0)
STAND_BREATH = vary(STAND, lift=-1.5, torso=5, back_arm=(-6, 10), front_arm=(16, 66), gun=72)

RUN_REACH_FRONT = key(torso=12, back_arm=(40, 100), front_arm=(26, 80), gun=84,
                      back_leg=(-30, -62), front_leg=(32, 10), back_foot=-40, front_foot=10)
RUN_PASS_BACK = key(torso=10, back_arm=(6, 50), front_arm=(22, 78), gun=82, lift=3,
                    back_leg=(30, -70), front_leg=(-4, -8), back_foot=-25, front_foot=0)
RUN_REACH_BACK = key(torso=12, back_arm=(-34, 4), front_arm=(28, 82), gun=86,
                     back_leg=(32, 10), front_leg=(-30, -62), back_foot=10, front_foot=-40)
RUN_PASS_FRONT = key(torso=10, back_arm=(4, 46), front_arm=(22, 78), gun=82, lift=3,
                     back_leg=(-4, -8), front_leg=(30, -70), back_foot=0, front_foot=-25)

CROUCH = key(torso=16, head=-4, back_arm=(22, 70), front_arm=(44, 86), gun=88,
             back_leg=(10, -96), front_leg=(86, -4), back_foot=-60, front_foot=0)
CROUCH_BREATH = vary(CROUCH, torso=18, lift=-1, back_arm=(24, 74))
CROUCH_FIRE = vary(CROUCH, torso=12, **two_handed(AIM_FORWARD, kick=KICK))
CROUCH_AIM = vary(CROUCH, torso=14, **two_handed(AIM_FORWARD))

JUMP_RISE = key(hip=AIR_HIP, torso=4, back_arm=(150, 168), front_arm=(40, 90), gun=90,
                back_leg=(-16, -34), front_leg=(10, -22), back_foot=-40, front_foot=-30)
JUMP_TUCK = key(hip=(0.0, -72.0), torso=12, back_arm=(110, 150), front_arm=(46, 94), gun=94,
                back_leg=(58, -24), front_leg=(78, -14), back_foot=-20, front_foot=-10)
FALL = key(hip=AIR_HIP, torso=4, back_arm=(122, 160), front_arm=(40, 88), gun=88,
           back_leg=(-10, -46), front_leg=(26, -10), back_foot=-30, front_foot=-10)
FALL_FLAIL = vary(FALL, back_arm=(136, 176), front_arm=(44, 92), gun=92,
                  back_leg=(-4, -36), front_leg=(30, -4))

AIR_SHOT = vary(FALL, torso=6, back_leg=(-14, -50), front_leg=(22, -14),
                back_foot=-30, front_foot=-12)
AIR_SHOT_LEGS_BACK = vary(FALL, torso=-4, back_leg=(-34, -78), front_leg=(-16, -58),
                          back_foot=-50, front_foot=-40)   # out of the way of a shot down

HURT_RECOIL = key(hip=(-2.0, -68.0), torso=-20, head=-28, back_arm=(150, 118),
                  front_arm=(64, 28), gun=20, back_leg=(-16, -34), front_leg=(28, -8))
HURT_SAG = key(hip=(-1.0, -65.0), torso=-6, head=-10, back_arm=(80, 60),
               front_arm=(30, 40), gun=40, back_leg=(-10, -20), front_leg=(18, -4))

DIE_STAGGER = key(torso=22, head=30, back_arm=(40, 20), front_arm=(30, 10), gun=-10,
                  back_leg=(-10, -40), front_leg=(36, -6), back_foot=0, front_foot=0)
DIE_KNEEL = key(torso=36, head=42, back_arm=(24, 16), front_arm=(30, 24), gun=-30,
                back_leg=(8, -92), front_leg=(20, -88), back_foot=-70, front_foot=-70)
DIE_TOPPLE = key(torso=30, head=30, back_arm=(60, 80), front_arm=(70, 90), gun=-50,
                 back_leg=(30, -60), front_leg=(40, -50), back_foot=-40, front_foot=-40,
                 spin=-50)
DIE_LYING = key(torso=0, head=-10, back_arm=(12, 24), front_arm=(-8, 6), gun=-20,
                back_leg=(8, -6), front_leg=(22, 0), back_foot=-10, front_foot=-10,
                spin=-90)

LADDER_REACH_BACK = vary(key(**ladder_grip(0)), back_arm=(148, 176), front_arm=(60, 138), gun=-10)
LADDER_REACH_FRONT = vary(key(**ladder_grip(1)), back_arm=(64, 140), front_arm=(140, 172), gun=-20)
LADDER_HANG = vary(LADDER_REACH_BACK, back_arm=(140, 172), front_arm=(56, 132))
LADDER_SHOT = key(back_arm=(150, 176), **ladder_grip(0))


GUARD = key(torso=6, back_arm=(12, 44), front_arm=(30, 84), gun=86,
            back_leg=(-15, -6), front_leg=(15, 4), back_foot=0, front_foot=0)
GUARD_BREATH = vary(GUARD, lift=-1.5, torso=8, back_arm=(14, 50), front_arm=(32, 88), gun=88)

HOVER_UP = key(hip=(0.0, -68.0), torso=2, back_arm=(140, 150), front_arm=(100, 120), gun=96,
               back_leg=(-12, -22), front_leg=(-4, -14), back_foot=-40, front_foot=-40)
HOVER_DOWN = key(hip=(0.0, -63.0), torso=4, back_arm=(60, 36), front_arm=(56, 80), gun=86,
                 back_leg=(-18, -30), front_leg=(-10, -22), back_foot=-50, front_foot=-50)

CURL = dict(torso=34, head=40, back_arm=(70, 130), front_arm=(80, 140), gun=150,
            back_leg=(112, -10), front_leg=(122, 0), back_foot=20, front_foot=30,
            hip=(0.0, -50.0))
TUMBLE_CENTRE = (0.0, -62.0)


def tumble(degrees):
    return key(spin=degrees, spin_about=TUMBLE_CENTRE, **CURL)


SHOT_STANCE = key(torso=5, back_leg=(-18, -10), front_leg=(18, 6), back_foot=0, front_foot=0)
HOVER_SHOT = vary(HOVER_DOWN, torso=2)

# Every key pose, in the order they are written; animations refer to them by name.
KEY_POSES = {
    "stand": STAND,
    "stand_breath": STAND_BREATH,
    "run_reach_front": RUN_REACH_FRONT,
    "run_pass_back": RUN_PASS_BACK,
    "run_reach_back": RUN_REACH_BACK,
    "run_pass_front": RUN_PASS_FRONT,
    "hurt_recoil": HURT_RECOIL,
    "hurt_sag": HURT_SAG,
    "crouch": CROUCH,
    "crouch_breath": CROUCH_BREATH,
    "crouch_fire": CROUCH_FIRE,
    "crouch_aim": CROUCH_AIM,
    "jump_rise": JUMP_RISE,
    "jump_tuck": JUMP_TUCK,
    "fall": FALL,
    "fall_flail": FALL_FLAIL,
    "ladder_reach_back": LADDER_REACH_BACK,
    "ladder_reach_front": LADDER_REACH_FRONT,
    "ladder_hang": LADDER_HANG,
    "guard": GUARD,
    "guard_breath": GUARD_BREATH,
    "hover_up": HOVER_UP,
    "hover_down": HOVER_DOWN,
    "die_stagger": DIE_STAGGER,
    "die_kneel": DIE_KNEEL,
    "die_topple": DIE_TOPPLE,
    "die_lying": DIE_LYING,
}
TUMBLE_TURNS = range(0, 360, 45)  # one key pose a frame: no in-between cuts a corner
for _turn in TUMBLE_TURNS:
    KEY_POSES["tumble_%d" % _turn] = tumble(_turn)

# Shots: per place, the body pose, how the gun is held, and the aims. Each
# gives a firing pose ("<place>_fire_<direction>", muzzle kicked up) and a
# held one ("<place>_aim_<direction>").
SHOTS = {
    "stand": (SHOT_STANCE, two_handed, {"forward": FROM_HIP, "diag_up": AIM_DIAG_UP, "up": AIM_UP}),
    "air": (AIR_SHOT, two_handed, {"forward": FROM_HIP, "diag_up": AIM_DIAG_UP, "up": AIM_UP,
                                   "diag_down": AIM_DIAG_DOWN}),
    "air_legs_back": (AIR_SHOT_LEGS_BACK, two_handed, {"down": AIM_DOWN}),
    "hover": (HOVER_SHOT, two_handed, {"forward": AIM_FORWARD, "up": AIM_UP, "down": AIM_DOWN}),
    "ladder": (LADDER_SHOT, one_handed, {"forward": AIM_FORWARD, "diag_up": AIM_DIAG_UP,
                                         "up": AIM_UP, "diag_down": AIM_DIAG_DOWN,
                                         "down": AIM_DOWN}),
}
for _place, (_base, _hold, _aims) in SHOTS.items():
    for _direction, _aim in _aims.items():
        KEY_POSES["%s_fire_%s" % (_place, _direction)] = vary(_base, **_hold(_aim, kick=KICK))
        KEY_POSES["%s_aim_%s" % (_place, _direction)] = vary(_base, **_hold(_aim))
