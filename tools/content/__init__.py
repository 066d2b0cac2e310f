"""The content generator: python3 -m tools.content.make_art (and the other make_*) from the repository root."""
