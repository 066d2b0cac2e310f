"""Painting the 16 part pictures of a figure design.

A design paints one part at a time on a 64x64 canvas whose origin is the
block centre, with the part hanging down (or standing up, for the pelvis,
chest and head) exactly as the skeleton places it: the joints it shares
with its neighbours sit at the skeleton's pivot and joint points, so the
parts meet whatever the pose. Far-side parts are painted darker.
"""
from ..animation.skeleton import BONES, PARTS, kind_of
from .canvas import Canvas
from .colours import SHADOW, mix

BLOCK = 64
FAR_SIDE_SHADE = 0.28  # how much darker the far arm and leg are


def joint(kind, name):
    """A joint point of a bone in block coordinates."""
    return BONES[kind].joints[name]


def pivot(kind):
    return BONES[kind].pivot


def far_side(canvas):
    """Darken a painted part so it reads as behind the body."""
    canvas.pixels = [None if c is None else mix(c, SHADOW, FAR_SIDE_SHADE) for c in canvas.pixels]


def paint_part(design, part):
    """The 64x64 picture of one part of a design."""
    canvas = Canvas(BLOCK, BLOCK, origin=(BLOCK / 2.0, BLOCK / 2.0))
    getattr(design, kind_of(part))(canvas)
    canvas.outline(design.line, 2)
    if part.startswith("back_"):
        far_side(canvas)
    if canvas.is_empty():
        raise ValueError("%s paints nothing for %s" % (type(design).__name__, part))
    return canvas


def paint_figure(design):
    """All 16 part pictures of a design, by part name."""
    return {part: paint_part(design, part) for part in PARTS}


class Design:
    """Base of the figure designs: one method per bone kind, painting it.

    line: the outline colour. Subclasses set their materials as ramps.
    """
    line = (16, 12, 28)

    def limb(self, canvas, kind, far_joint, ramp, top_radius, bottom_radius):
        """A plain rounded limb from the bone's pivot to its far joint."""
        canvas.capsule(pivot(kind), joint(kind, far_joint), top_radius, bottom_radius, ramp)
