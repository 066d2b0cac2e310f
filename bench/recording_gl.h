// Included first when the renderer's sources are built a second time for
// recording: their OpenGL calls become appends to a stream, and their entry
// points take other names so that both builds live in one program.
#pragma once
#include <GL/gl.h>

void recordClear(GLbitfield mask);
void recordLoadIdentity();
void recordBindTexture(GLenum target, GLuint texture);
void recordBegin(GLenum mode);
void recordEnd();
void recordTexCoord2f(GLfloat s, GLfloat t);
void recordVertex3f(GLfloat x, GLfloat y, GLfloat z);
void recordTranslatef(GLfloat x, GLfloat y, GLfloat z);
void recordScalef(GLfloat x, GLfloat y, GLfloat z);
void recordRotatef(GLfloat angle, GLfloat x, GLfloat y, GLfloat z);
void recordSwap();

#define glClear recordClear
#define glLoadIdentity recordLoadIdentity
#define glBindTexture recordBindTexture
#define glBegin recordBegin
#define glEnd recordEnd
#define glTexCoord2f recordTexCoord2f
#define glVertex3f recordVertex3f
#define glTranslatef recordTranslatef
#define glScalef recordScalef
#define glRotatef recordRotatef
#define platformSwapBuffers recordSwap

#define renderFrame recordingRenderFrame
#define warmDrawing recordingWarmDrawing
#define renderPausedFrame recordingRenderPausedFrame
#define drawPauseSign recordingDrawPauseSign
#define drawRoom recordingDrawRoom
#define drawFigure recordingDrawFigure
#define drawSprite recordingDrawSprite
#define drawTexturedQuad recordingDrawTexturedQuad
#define showKeyLegend recordingShowKeyLegend
#define stepKeyLegend recordingStepKeyLegend
#define drawKeyLegend recordingDrawKeyLegend
#define drawKeyLegendAt recordingDrawKeyLegendAt
