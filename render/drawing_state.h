// The fixed OpenGL drawing state, set once after the context exists.
#pragma once

// One unit per screen pixel, origin top-left, y down; textures on; transparency by alpha test.
void setDrawingState();
