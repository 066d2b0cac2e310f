#include "render/textured_quad.h"

#include <GL/gl.h>

void drawTexturedQuad(float x0, float y0, float x1, float y1, float s0, float t0, float s1, float t1) {
    glBegin(GL_QUADS);
    glTexCoord2f(s0, t1);
    glVertex3f(x0, y1, 0.0f);
    glTexCoord2f(s1, t1);
    glVertex3f(x1, y1, 0.0f);
    glTexCoord2f(s1, t0);
    glVertex3f(x1, y0, 0.0f);
    glTexCoord2f(s0, t0);
    glVertex3f(x0, y0, 0.0f);
    glEnd();
}
