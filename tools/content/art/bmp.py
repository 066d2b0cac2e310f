"""Writes 8-bit palettised bitmaps in the one form the game reads.

The reader takes the colour count from offset 46 and expects the pixel rows
right after the palette with no padding, so widths must be multiples of 4
and the count is always written (never 0).
"""
import struct

MAGENTA = (255, 0, 255)  # the transparent key


def build_palette(pixels):
    """Sorted distinct colours, magenta first when present."""
    colours = sorted(set(pixels))
    if MAGENTA in colours:
        colours.remove(MAGENTA)
        colours.insert(0, MAGENTA)
    if len(colours) > 256:
        raise ValueError("%d colours, at most 256 fit a palette" % len(colours))
    return colours


def encode_bmp(width, height, pixels):
    """The file's bytes; pixels are RGB tuples, top row first."""
    if width % 4 != 0 or width <= 0 or height <= 0:
        raise ValueError("bad bitmap size %dx%d" % (width, height))
    if len(pixels) != width * height:
        raise ValueError("%d pixels for %dx%d" % (len(pixels), width, height))
    palette = build_palette(pixels)
    index_of = {colour: i for i, colour in enumerate(palette)}
    data_offset = 54 + 4 * len(palette)
    image_size = width * height
    header = struct.pack("<2sIHHI", b"BM", data_offset + image_size, 0, 0, data_offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, image_size,
                       2835, 2835, len(palette), len(palette))
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    rows = []
    for y in range(height - 1, -1, -1):
        row = pixels[y * width:(y + 1) * width]
        rows.append(bytes(index_of[c] for c in row))
    return header + info + table + b"".join(rows)


def write_bmp(path, width, height, pixels):
    with open(path, "wb") as f:
        f.write(encode_bmp(width, height, pixels))


def decode_bmp(data):
    """(width, height, RGB pixels top row first, or None where magenta)."""
    width, height = struct.unpack_from("<ii", data, 18)
    count = struct.unpack_from("<i", data, 46)[0]
    palette = []
    for i in range(count):
        b, g, r, _ = struct.unpack_from("<BBBB", data, 54 + 4 * i)
        palette.append(None if (r, g, b) == MAGENTA else (r, g, b))
    start = 54 + 4 * count
    pixels = [None] * (width * height)
    for row in range(height):
        y = height - 1 - row
        line = data[start + row * width:start + (row + 1) * width]
        pixels[y * width:(y + 1) * width] = [palette[i] for i in line]
    return width, height, pixels
