"""Procedural pixel art for the game's bitmaps."""
