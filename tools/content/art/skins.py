"""The skins: 64x1024 pictures of sixteen 64x64 part blocks.

The game gives the player part i from skin (i mod skin count) and enemy
type t all its parts from skin (t mod skin count). With 18 skins, skin s
(s < 16) therefore holds the player's part s in block PART_BLOCK[s] and
enemy type s's look in its other blocks; skins 16 and 17 are enemies only.
The player's parts taken by the enemy types the rooms use (4, 7, 8, 13:
hands and feet; 14: the gun) are small, so those enemies still look whole.
"""
from ..animation.skeleton import PARTS
from .canvas import Canvas
from .figure import BLOCK

# Which block of a skin holds which part (fixed by the game).
PART_BLOCK = (5, 6, 7, 12, 13, 14, 11, 4, 0, 10, 9, 8, 3, 2, 15, 1)
SKIN_WIDTH, SKIN_HEIGHT = BLOCK, BLOCK * len(PARTS)


def compose_skin(enemy_parts, player_part=None, player_parts=None):
    """A skin of an enemy look, with the player's part player_part in its block."""
    skin = Canvas(SKIN_WIDTH, SKIN_HEIGHT)
    for index, part in enumerate(PARTS):
        source = player_parts if index == player_part else enemy_parts
        skin.paste(source[part], 0, PART_BLOCK[index] * BLOCK)
    return skin
