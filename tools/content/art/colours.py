"""Colour ramps: five shades of one material, darkest first."""


def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


SHADOW = (14, 10, 30)      # shadows lean towards cold violet
HIGHLIGHT = (255, 250, 225)  # highlights towards warm white


def ramp(base, shadow_depth=0.72, shine=0.45):
    """Darkest (lines), dark, base, light, shine."""
    return [
        mix(base, SHADOW, shadow_depth + 0.15),
        mix(base, SHADOW, shadow_depth * 0.55),
        base,
        mix(base, HIGHLIGHT, shine * 0.5),
        mix(base, HIGHLIGHT, shine),
    ]
