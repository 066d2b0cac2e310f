"""Key poses of the figures, and the animation file made from them."""
