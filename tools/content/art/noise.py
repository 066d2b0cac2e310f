"""Seeded, tileable value noise and cell patterns, by integer hashing (no
global random state, so every run paints the same pixels)."""
import math


def hash01(x, y, seed):
    """A repeatable pseudo-random number in [0, 1) for a lattice point."""
    h = (x * 374761393 + y * 668265263 + seed * 2147483647) & 0xFFFFFFFF
    h = ((h ^ (h >> 13)) * 1274126177) & 0xFFFFFFFF
    h ^= h >> 16
    return (h & 0xFFFFFF) / float(0x1000000)


def _smooth(t):
    return t * t * (3.0 - 2.0 * t)


def value_noise(x, y, cells, period, seed):
    """Smooth noise in [0, 1) that repeats every period pixels; cells lattice
    steps fit in one period."""
    step = period / float(cells)
    fx, fy = x / step, y / step
    ix, iy = int(math.floor(fx)), int(math.floor(fy))
    tx, ty = _smooth(fx - ix), _smooth(fy - iy)

    def corner(dx, dy):
        return hash01((ix + dx) % cells, (iy + dy) % cells, seed)
    top = corner(0, 0) + (corner(1, 0) - corner(0, 0)) * tx
    bottom = corner(0, 1) + (corner(1, 1) - corner(0, 1)) * tx
    return top + (bottom - top) * ty


def fractal_noise(x, y, period, seed, octaves=3, base_cells=4):
    """Sum of noise octaves, each twice as fine and half as strong, in [0, 1)."""
    total, weight, norm = 0.0, 1.0, 0.0
    for octave in range(octaves):
        total += weight * value_noise(x, y, base_cells << octave, period, seed + octave * 101)
        norm += weight
        weight *= 0.5
    return total / norm


def cell_edges(x, y, cells, period, seed):
    """Distance to the nearest and second-nearest scattered point (repeating),
    for stone-like patterns: small where two cells meet."""
    step = period / float(cells)
    cx, cy = int(x // step), int(y // step)
    distances = []
    for dy in (-1, 0, 1):
        for dx in (-1, 0, 1):
            gx, gy = cx + dx, cy + dy
            px = (gx + 0.15 + 0.7 * hash01(gx % cells, gy % cells, seed)) * step
            py = (gy + 0.15 + 0.7 * hash01(gx % cells, gy % cells, seed + 7)) * step
            distances.append(math.hypot(x - px, y - py))
    distances.sort()
    return distances[0], distances[1]
