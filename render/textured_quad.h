// The one quad shape every picture on screen is made of.
#pragma once

// A screen-aligned quad from (x0, y0) to (x1, y1) with texture (s0, t0) at the
// first corner and (s1, t1) at the opposite one, in its own glBegin/glEnd pair.
// Vertex order: (x0, y1), (x1, y1), (x1, y0), (x0, y0).
void drawTexturedQuad(float x0, float y0, float x1, float y1, float s0, float t0, float s1, float t1);
