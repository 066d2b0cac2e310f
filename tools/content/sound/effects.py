"""The eleven effects, one per thing a player should hear. Every recipe is a
few oscillators or noise shaped by envelopes and filters; seeds are fixed."""
from .synth import (attack_decay, decay, glide, held_noise, high_pass, low_pass, mix, noise, saw, silence, sine, square,
                    then, times, tremolo, triangle)

LOUDNESS_DBFS = -12.0   # of each effect's loudest 50 ms
PEAK_LIMIT_DBFS = -1.0  # headroom for effects that overlap, once the game has set their levels


def player_shot():
    """A bright, quick zap falling in pitch."""
    s = 0.14
    tone = square(glide(1400, 320, s), duty=0.3)
    return times(low_pass(mix((0.8, tone), (0.2, noise(s, 11))), 5000), decay(s, 0.035))


def enemy_shot():
    """Lower and buzzier than the player's, with a wobble."""
    s = 0.2
    falling = glide(520, 160, s)
    pitch = [hz * (1 + 0.06 * w) for hz, w in zip(falling, sine([30] * len(falling)))]
    return times(low_pass(saw(pitch), 2500), attack_decay(s, 0.005, 0.06))


def shot_hits_wall():
    """A short dry tick."""
    s = 0.07
    return times(high_pass(low_pass(noise(s, 23), 3000), 400), decay(s, 0.012))


def block_breaks():
    """Crumbling: a crackle that darkens as the pieces fall."""
    s = 0.4
    crackle = held_noise(s, 2500, 37)
    darkening = [3500 * (1 - i / len(crackle)) + 300 for i in range(len(crackle))]
    thump = times(sine(glide(110, 55, s)), decay(s, 0.05))
    return mix((0.8, times(low_pass(crackle, darkening), attack_decay(s, 0.004, 0.09))), (0.5, thump))


def knock(s, start_hz, end_hz, seed, noise_hz, noise_half_life_s, noise_weight):
    """A falling tone under a burst of dull noise: a blow."""
    tone = times(sine(glide(start_hz, end_hz, s)), decay(s, 0.03))
    burst = times(low_pass(noise(s, seed), noise_hz), decay(s, noise_half_life_s))
    return mix((1.0, tone), (noise_weight, burst))


def enemy_hit():
    """A muffled punch: a falling low tone with a click on top."""
    return knock(0.12, 260, 110, 41, 2000, 0.006, 0.6)


def enemy_dies():
    """A long, sinking groan breaking up into noise."""
    s = 0.55
    groan = low_pass(saw(glide(420, 50, s)), 1800)
    grit = low_pass(noise(s, 53), 900)
    return times(mix((0.7, groan), (0.4, grit)), attack_decay(s, 0.01, 0.15), tremolo(s, 18, 0.5))


def player_hurt():
    """Two rough tones a semitone apart, beating hard."""
    s = 0.26
    pair = mix((0.5, square(glide(330, 250, s))), (0.5, square(glide(350, 265, s))))
    return times(low_pass(pair, 1600), attack_decay(s, 0.004, 0.08))


def restart():
    """A calm rising arpeggio: play begins again."""
    notes = []
    for hz in (262, 330, 392, 523):
        n = 0.14
        notes.append(times(triangle([hz] * len(silence(n))), attack_decay(n, 0.006, 0.06)))
    return then(*notes, silence(0.12))


def jump():
    """A soft rising whoop."""
    s = 0.15
    return times(sine(glide(240, 720, s)), attack_decay(s, 0.01, 0.06))


def landing():
    """A low thud with a little scuff."""
    return knock(0.13, 95, 45, 67, 700, 0.015, 0.45)


def enemies_appear():
    """A shimmering swell that rises, as if something arrived."""
    s = 0.45
    pitch = glide(300, 900, s)
    shimmer = mix((0.5, sine(pitch)), (0.5, sine([hz * 1.5 + 7 for hz in pitch])))
    swell = [min(1.0, 3 * i / len(shimmer)) for i in range(len(shimmer))]
    return times(shimmer, swell, decay(s, 0.18), tremolo(s, 24, 0.6))


# File name and recipe, in the order the game numbers its cues.
EFFECTS = (
    ("player_shot", player_shot),
    ("enemy_shot", enemy_shot),
    ("shot_hits_wall", shot_hits_wall),
    ("block_breaks", block_breaks),
    ("enemy_hit", enemy_hit),
    ("enemy_dies", enemy_dies),
    ("player_hurt", player_hurt),
    ("restart", restart),
    ("jump", jump),
    ("landing", landing),
    ("enemies_appear", enemies_appear),
)
