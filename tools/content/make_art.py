"""Writes every picture and the content list into the folder given as the
one argument: the skins, the cavern scenery, the projectile, the bars, the key legend and the pause sign."""
import os
import sys

from .art.background import make_background
from .art.bmp import write_bmp
from .art.cast import CAST, PLAYER
from .art.content_list import contents_text
from .art.figure import paint_figure
from .art.hud import BOSS, EMPTY_HEALTH, FULL_HEALTH, ITEM, bar_segment, bullet, spark
from .art.key_legend import key_legend
from .art.pause_sign import pause_sign
from .art.skins import compose_skin
from .art.tiles import make_atlas

SCENERY = "cavern"
PROJECTILE = "spark"


def save(folder, relative, canvas):
    path = os.path.join(folder, *relative.split("/"))
    os.makedirs(os.path.dirname(path), exist_ok=True)
    write_bmp(path, canvas.width, canvas.height, canvas.rgb())


def main(argv):
    if len(argv) != 2:
        sys.stderr.write("usage: python3 -m tools.content.make_art OUTPUT_FOLDER\n")
        return 2
    out = argv[1]
    player_parts = paint_figure(PLAYER)
    for skin, (name, design) in enumerate(CAST):
        lends = skin if skin < len(player_parts) else None
        save(out, name + "/skin.bmp", compose_skin(paint_figure(design), lends, player_parts))
    save(out, SCENERY + "/background.bmp", make_background())
    save(out, SCENERY + "/tiles.bmp", make_atlas())
    save(out, "projectiles/%s.bmp" % PROJECTILE, spark())
    save(out, "projectiles/bullet.bmp", bullet())
    for name, colours in (("healthbar", FULL_HEALTH), ("emptybar", EMPTY_HEALTH),
                          ("itembar", ITEM), ("bossbar", BOSS)):
        save(out, name + ".bmp", bar_segment(colours))
    save(out, "keys.bmp", key_legend())
    save(out, "paused.bmp", pause_sign())
    with open(os.path.join(out, "contents.txt"), "w", newline="\n") as f:
        f.write(contents_text([name for name, _ in CAST], [SCENERY], [PROJECTILE]))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
