"""Sound building blocks over lists of float samples in [-1, 1] at RATE:
oscillators with gliding pitch, seeded noise, envelopes, one-pole filters."""
import math
import random

RATE = 22050
FADE_IN_S = 0.003   # every effect opens and closes on silence, so none clicks
FADE_OUT_S = 0.010


def count(seconds):
    return int(round(seconds * RATE))


def glide(start_hz, end_hz, seconds):
    """A pitch moving exponentially from start to end over the effect."""
    n = count(seconds)
    return [start_hz * (end_hz / start_hz) ** (i / max(1, n - 1)) for i in range(n)]


def _phases(pitches):
    phase, out = 0.0, []
    for hz in pitches:
        out.append(phase)
        phase = (phase + hz / RATE) % 1.0
    return out


def sine(pitches):
    return [math.sin(2 * math.pi * p) for p in _phases(pitches)]


def square(pitches, duty=0.5):
    return [1.0 if p < duty else -1.0 for p in _phases(pitches)]


def saw(pitches):
    return [2.0 * p - 1.0 for p in _phases(pitches)]


def triangle(pitches):
    return [4.0 * abs(p - 0.5) - 1.0 for p in _phases(pitches)]


def noise(seconds, seed):
    rng = random.Random(seed)
    return [rng.uniform(-1.0, 1.0) for _ in range(count(seconds))]


def held_noise(seconds, hz, seed):
    """Noise that keeps each random value for 1/hz s: a grainy crackle."""
    rng = random.Random(seed)
    hold = max(1, int(RATE / hz))
    value, out = 0.0, []
    for i in range(count(seconds)):
        if i % hold == 0:
            value = rng.uniform(-1.0, 1.0)
        out.append(value)
    return out


def low_pass(samples, cutoffs):
    """One-pole low-pass; cutoffs is one frequency or one per sample."""
    out, y = [], 0.0
    for i, x in enumerate(samples):
        hz = cutoffs[i] if isinstance(cutoffs, list) else cutoffs
        a = 1.0 - math.exp(-2 * math.pi * hz / RATE)
        y += a * (x - y)
        out.append(y)
    return out


def high_pass(samples, hz):
    smooth = low_pass(samples, hz)
    return [x - s for x, s in zip(samples, smooth)]


def decay(seconds, half_life_s):
    """An envelope falling by half every half_life_s."""
    return [0.5 ** (i / RATE / half_life_s) for i in range(count(seconds))]


def attack_decay(seconds, attack_s, half_life_s):
    rise = count(attack_s)
    fall = decay(seconds, half_life_s)
    return [min(1.0, i / rise) * fall[max(0, i - rise)] for i in range(count(seconds))]


def tremolo(seconds, hz, depth):
    return [1.0 - depth * (0.5 + 0.5 * math.sin(2 * math.pi * hz * i / RATE)) for i in range(count(seconds))]


def times(*signals):
    return [math.prod(values) for values in zip(*signals)]


def mix(*weighted):
    """The sum of (weight, signal) pairs, as long as the longest."""
    out = [0.0] * max(len(signal) for _, signal in weighted)
    for weight, signal in weighted:
        for i, x in enumerate(signal):
            out[i] += weight * x
    return out


def then(*parts):
    return [x for part in parts for x in part]


def silence(seconds):
    return [0.0] * count(seconds)


def faded(samples):
    n = len(samples)
    rise, fall = count(FADE_IN_S), count(FADE_OUT_S)
    return [x * min(1.0, i / rise, (n - 1 - i) / fall) for i, x in enumerate(samples)]


def loudest_window_rms(samples, seconds=0.05):
    """RMS of the loudest stretch: how loud a short effect sounds."""
    width = min(len(samples), count(seconds))
    squares = [x * x for x in samples]
    total = sum(squares[:width])
    best = total
    for i in range(width, len(samples)):
        total += squares[i] - squares[i - width]
        best = max(best, total)
    return math.sqrt(best / width)


def balanced(samples, loudness_dbfs, peak_limit_dbfs):
    """Faded and scaled so its loudest 50 ms sit at loudness_dbfs, the peak never above the limit."""
    samples = faded(samples)
    gain = 10 ** (loudness_dbfs / 20) / loudest_window_rms(samples)
    peak = max(abs(x) for x in samples)
    gain = min(gain, 10 ** (peak_limit_dbfs / 20) / peak)
    return [x * gain for x in samples]
