"""Figure designs: the player and the enemy looks."""
