"""A small raster of RGB colours with shaded shape painting.

Coordinates are floats measured from the canvas origin (for a figure part:
the centre of its 64x64 block), y downwards; a pixel is painted when its
centre lies inside a shape. None is a transparent pixel.
"""
import math

from .bmp import MAGENTA


def _normalise(v):
    length = math.sqrt(sum(c * c for c in v))
    return tuple(c / length for c in v)


# Light falls from the front and above (block +x, -y) and towards the viewer.
LIGHT = _normalise((0.55, -0.6, 0.58))


def lit(ramp, nx, ny):
    """The ramp shade of a rounded surface whose normal leans by (nx, ny)."""
    nz = math.sqrt(max(0.0, 1.0 - nx * nx - ny * ny))
    brightness = nx * LIGHT[0] + ny * LIGHT[1] + nz * LIGHT[2]
    return ramp_at(ramp, 0.25 + 0.6 * brightness)


def ramp_at(ramp, level):
    """Pick from a dark-to-light ramp; the darkest entry is kept for lines."""
    usable = len(ramp) - 1
    i = 1 + int(max(0.0, min(0.999, level)) * usable)
    return ramp[min(i, len(ramp) - 1)]


class Canvas:
    def __init__(self, width, height, origin=(0.0, 0.0), fill=None):
        self.width = width
        self.height = height
        self.origin = origin
        self.pixels = [fill] * (width * height)

    # -- raw access -------------------------------------------------------
    def get(self, x, y):
        if 0 <= x < self.width and 0 <= y < self.height:
            return self.pixels[y * self.width + x]
        return None

    def set(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y * self.width + x] = colour

    def rgb(self):
        return [MAGENTA if c is None else c for c in self.pixels]

    def paste(self, other, x0, y0):
        for y in range(other.height):
            for x in range(other.width):
                c = other.pixels[y * other.width + x]
                if c is not None:
                    self.set(x0 + x, y0 + y, c)

    # -- painting -----------------------------------------------------------
    def paint(self, bounds, colour_at):
        """colour_at(u, v) -> colour or None for each pixel centre in bounds."""
        u0, v0, u1, v1 = bounds
        ox, oy = self.origin
        x_first = max(0, int(math.floor(u0 + ox)))
        x_last = min(self.width - 1, int(math.ceil(u1 + ox)))
        y_first = max(0, int(math.floor(v0 + oy)))
        y_last = min(self.height - 1, int(math.ceil(v1 + oy)))
        for y in range(y_first, y_last + 1):
            v = y + 0.5 - oy
            for x in range(x_first, x_last + 1):
                c = colour_at(x + 0.5 - ox, v)
                if c is not None:
                    self.pixels[y * self.width + x] = c

    def rect(self, u0, v0, u1, v1, colour):
        """An axis-aligned box; a ramp paints its middle shade."""
        if isinstance(colour, list):
            colour = colour[2]
        self.paint((u0, v0, u1, v1),
                   lambda u, v: colour if u0 <= u < u1 and v0 <= v < v1 else None)

    def ellipse(self, cx, cy, rx, ry, shade, within=None):
        """shade: a colour, or a ramp (list) shaded as a dome; within(u, v)
        optionally keeps only part of it."""
        def at(u, v):
            dx, dy = (u - cx) / rx, (v - cy) / ry
            if dx * dx + dy * dy > 1.0 or (within and not within(u, v)):
                return None
            return lit(shade, dx, dy) if isinstance(shade, list) else shade
        self.paint((cx - rx, cy - ry, cx + rx, cy + ry), at)

    def capsule(self, a, b, ra, rb, shade, round_ends=True):
        """A limb from a to b, radius ra at a and rb at b, shaded as a cylinder."""
        ax, ay = a
        bx, by = b
        dx, dy = bx - ax, by - ay
        length2 = dx * dx + dy * dy or 1e-9
        length = math.sqrt(length2)
        px, py = -dy / length, dx / length  # across the limb

        def at(u, v):
            t = ((u - ax) * dx + (v - ay) * dy) / length2
            if not round_ends and (t < 0.0 or t > 1.0):
                return None
            tc = max(0.0, min(1.0, t))
            cx, cy = ax + dx * tc, ay + dy * tc
            r = ra + (rb - ra) * tc
            ex, ey = u - cx, v - cy
            if ex * ex + ey * ey > r * r:
                return None
            if not isinstance(shade, list):
                return shade
            if 0.0 < t < 1.0:
                s = (ex * px + ey * py) / r
                return lit(shade, s * px, s * py)
            return lit(shade, ex / r, ey / r)
        r = max(ra, rb)
        self.paint((min(ax, bx) - r, min(ay, by) - r, max(ax, bx) + r, max(ay, by) + r), at)

    def polygon(self, points, shade, normal=(0.3, -0.3)):
        """A filled polygon (even-odd rule); a ramp is lit flat by normal."""
        colour = lit(shade, *normal) if isinstance(shade, list) else shade
        xs = [p[0] for p in points]
        ys = [p[1] for p in points]

        def at(u, v):
            inside = False
            j = len(points) - 1
            for i in range(len(points)):
                xi, yi = points[i]
                xj, yj = points[j]
                if (yi > v) != (yj > v) and u < (xj - xi) * (v - yi) / (yj - yi) + xi:
                    inside = not inside
                j = i
            return colour if inside else None
        self.paint((min(xs), min(ys), max(xs), max(ys)), at)

    def line(self, a, b, width, colour):
        self.capsule(a, b, width / 2.0, width / 2.0, colour)

    def outline(self, colour, thickness=2):
        """Ring the painted shapes with colour, thickness pixels wide."""
        for step in range(thickness):
            diagonal = step > 0
            grow = []
            for y in range(self.height):
                for x in range(self.width):
                    if self.pixels[y * self.width + x] is not None:
                        continue
                    if self._touches(x, y, diagonal):
                        grow.append((x, y))
            for x, y in grow:
                self.pixels[y * self.width + x] = colour

    def _touches(self, x, y, diagonal):
        around = ((1, 0), (-1, 0), (0, 1), (0, -1))
        if diagonal:
            around += ((1, 1), (1, -1), (-1, 1), (-1, -1))
        return any(self.get(x + dx, y + dy) is not None for dx, dy in around)

    def is_empty(self):
        return all(c is None for c in self.pixels)
