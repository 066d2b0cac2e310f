"""The build's own tools; tools.content is the one written in Python."""
