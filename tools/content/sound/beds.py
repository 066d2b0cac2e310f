"""One quiet loop per scenery set, heard under the effects. Everything in a bed repeats a
whole number of times over its length, and its filters run round the loop, so the end
joins the start without a seam."""
import math

from .synth import RATE, count, decay, glide, high_pass, low_pass, noise, sine, times

BED_RMS_DBFS = -30.0
BED_SECONDS = 8.0


def cycles(hz, seconds):
    """hz moved to the nearest frequency that fits the loop a whole number of times."""
    return max(1, round(hz * seconds)) / seconds


def slow_wave(seconds, hz, low, high):
    """A sine between low and high, as an envelope."""
    n = count(seconds)
    return [low + (high - low) * (0.5 + 0.5 * math.sin(2 * math.pi * hz * i / RATE)) for i in range(n)]


def round_the_loop(process, samples):
    """process run over the loop twice, its second pass kept: its state at the start is its state at the end."""
    return process(samples + samples)[len(samples):]


def drip(seconds, hz, seed):
    """One drop falling into a pool: a short falling plink and a little splash."""
    tone = times(sine(glide(hz, hz * 0.6, seconds)), decay(seconds, 0.018))
    splash = times(high_pass(noise(seconds, seed), 2500), decay(seconds, 0.004))
    return [t + 0.3 * s for t, s in zip(tone, splash)]


def cavern():
    """Air moving through the cave over a low hum, and water dripping now and then."""
    s = BED_SECONDS
    n = count(s)
    air = round_the_loop(lambda x: low_pass(high_pass(x, 80), 500), noise(s, 71))
    air = times(air, slow_wave(s, cycles(0.25, s), 0.4, 1.0))
    hum = [0.5 * a + 0.3 * b for a, b in zip(sine([cycles(55, s)] * n), sine([cycles(82.5, s)] * n))]
    hum = times(hum, slow_wave(s, cycles(0.125, s), 0.6, 1.0))
    bed = [2.0 * a + 0.15 * h for a, h in zip(air, hum)]
    for at_s, hz, gain, seed in ((0.7, 1900, 0.08, 3), (2.9, 1500, 0.05, 5), (4.1, 2300, 0.04, 7),
                                 (6.3, 1700, 0.07, 9)):
        start = count(at_s)
        for i, x in enumerate(drip(0.25, hz, seed)):
            bed[(start + i) % n] += gain * x
    return bed


def at_rms(samples, dbfs):
    rms = math.sqrt(sum(x * x for x in samples) / len(samples))
    return [x * 10 ** (dbfs / 20) / rms for x in samples]


# Scenery set and recipe: data/NAME/bed.wav.
BEDS = (("cavern", cavern),)
