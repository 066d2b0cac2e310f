"""Compiles the room pictures in tools/content/rooms/ into OUTDIR/map.txt.

Usage: python3 -m tools.content.make_rooms OUTDIR

Every room file is a 20 x 20 character picture under a few "key: value" lines;
rooms/legend.txt says which tile code each character stands for. Lower-case
letters in a picture mark enemies, declared by the room's "spawn" lines. The
templates are written in door-mask order, rooms of one mask in file-name order,
so the file order is the order the game sorts them into.
"""
import os
import sys

ROOM_TILES = 20
TILE_PIXELS = 32
ROOM_SUFFIX = ".room"

DOOR_BITS = {"right": 1, "left": 2, "up": 4, "down": 8}

# The enemy types whose pictures and behaviours suit being placed in rooms.
ENEMY_TYPES = {
    "ledge-walker": 4,
    "wall-walker": 7,
    "wave-flyer": 8,
    "bouncer": 13,
    "hover-shooter": 14,
    "chaser": 16,
    "standing-shooter": 17,
}
FACINGS = {"right": 0, "left": 1}


class RoomError(Exception):
    pass


def read_legend(path):
    """Lines of the form  'c'  code  description ; other lines are prose."""
    legend = {}
    with open(path, encoding="utf-8") as legend_file:
        for number, line in enumerate(legend_file, 1):
            if not line.startswith("'"):
                continue
            if len(line) < 3 or line[2] != "'":
                raise RoomError("%s:%d: expected a quoted character" % (path, number))
            fields = line[3:].split()
            if not fields or not fields[0].isdigit() or not 0 <= int(fields[0]) <= 127:
                raise RoomError("%s:%d: expected a tile code 0..127" % (path, number))
            character = line[1]
            if character.islower() or character in legend:
                raise RoomError("%s:%d: character %r is taken" % (path, number, character))
            legend[character] = int(fields[0])
    return legend


def parse_doors(text, where):
    mask = 0
    for word in text.split():
        if word == "none":
            continue
        if word not in DOOR_BITS:
            raise RoomError("%s: unknown door %r" % (where, word))
        mask |= DOOR_BITS[word]
    return mask


def parse_spawn(key, value, where):
    """'spawn a: ledge-walker right' -> ('a', (facing, type))."""
    marker = key[len("spawn"):].strip()
    words = value.split()
    if len(marker) != 1 or not marker.islower():
        raise RoomError("%s: a spawn needs one lower-case marker letter" % where)
    if len(words) != 2 or words[0] not in ENEMY_TYPES or words[1] not in FACINGS:
        raise RoomError("%s: spawn %s needs an enemy (%s) and a facing (right, left)"
                        % (where, marker, ", ".join(sorted(ENEMY_TYPES))))
    return marker, (FACINGS[words[1]], ENEMY_TYPES[words[0]])


def read_room(path, legend):
    with open(path, encoding="utf-8") as room_file:
        lines = room_file.read().splitlines()
    if "grid:" not in lines:
        raise RoomError("%s: no grid: line" % path)
    start = lines.index("grid:") + 1
    grid = lines[start:start + ROOM_TILES]
    if len(grid) != ROOM_TILES or any(len(row) != ROOM_TILES for row in grid) or \
            any(line.strip() for line in lines[start + ROOM_TILES:]):
        raise RoomError("%s: the grid must be exactly %d lines of %d characters"
                        % (path, ROOM_TILES, ROOM_TILES))

    mask = None
    markers = {}
    for number, line in enumerate(lines[:start - 1], 1):
        key, colon, value = line.partition(":")
        where = "%s:%d" % (path, number)
        if not colon:
            raise RoomError("%s: expected key: value" % where)
        if key == "doors":
            mask = parse_doors(value, where)
        elif key.startswith("spawn"):
            marker, spawn = parse_spawn(key, value, where)
            markers[marker] = spawn
        elif key not in ("name", "about"):
            raise RoomError("%s: unknown key %r" % (where, key))
    if mask is None:
        raise RoomError("%s: no doors: line" % path)

    tiles = []
    spawns = []
    for row, text in enumerate(grid):
        codes = []
        for col, character in enumerate(text):
            if character in markers:
                facing, enemy_type = markers.pop(character)
                # The marker's cell holds the enemy's feet: it stands on the cell below.
                spawns.append((col * TILE_PIXELS + TILE_PIXELS // 2,
                               row * TILE_PIXELS + TILE_PIXELS - 1, facing, enemy_type))
                character = "."
            if character not in legend:
                raise RoomError("%s: row %d, column %d: %r is not in the legend"
                                % (path, row, col, character))
            codes.append(legend[character])
        tiles.append(codes)
    if markers:
        raise RoomError("%s: spawn %s has no marker in the grid" % (path, ", ".join(sorted(markers))))
    return mask, tiles, spawns


def template_text(mask, tiles, spawns):
    lines = [" ".join("%3d" % code for code in row) for row in tiles]
    lines.append("%d 0 0 0" % mask)  # door mask, the reserved value and the two reserved flags
    lines.append("%d" % len(spawns))
    lines.extend("%d %d %d %d" % spawn for spawn in spawns)
    return "\n".join(lines) + "\n"


def compile_rooms(rooms_dir):
    legend = read_legend(os.path.join(rooms_dir, "legend.txt"))
    names = sorted(name for name in os.listdir(rooms_dir) if name.endswith(ROOM_SUFFIX))
    rooms = [read_room(os.path.join(rooms_dir, name), legend) for name in names]
    rooms.sort(key=lambda room: room[0])  # stable: file-name order within a mask
    return "%d\n\n" % len(rooms) + "\n".join(template_text(*room) for room in rooms)


def main(argv):
    if len(argv) != 2:
        sys.stderr.write("usage: python3 -m tools.content.make_rooms OUTDIR\n")
        return 2
    rooms_dir = os.path.join(os.path.dirname(os.path.abspath(__file__)), "rooms")
    try:
        text = compile_rooms(rooms_dir)
    except (RoomError, OSError) as error:
        sys.stderr.write("make_rooms: %s\n" % error)
        return 1
    os.makedirs(argv[1], exist_ok=True)
    with open(os.path.join(argv[1], "map.txt"), "w", encoding="ascii", newline="\n") as out:
        out.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
