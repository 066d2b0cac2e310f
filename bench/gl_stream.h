// A frame's OpenGL calls kept as data, so that the same stream can be replayed
// with nothing of the game around it: the floor that drawing a frame stands on.
#pragma once
#include <cstdint>
#include <vector>

enum class GlOp : uint8_t { Clear, LoadIdentity, BindTexture, Begin, End, TexCoord, Vertex, Translate, Scale, Rotate };

struct GlCall {
    GlOp op;
    uint32_t word;  // the mask, texture name or primitive of the call
    float v[4];     // its float arguments, in order
};

using GlStream = std::vector<GlCall>;

// The renderer's frame, built a second time with every GL call appended to a
// stream instead of made. Draws nothing and swaps nothing.
GlStream recordFrame();

// The stream's calls, made in order with plain OpenGL.
void replay(const GlStream& stream);

// The picture drawn so far on the current 640 x 480 context, as RGBA rows bottom-up.
std::vector<uint8_t> readScreen();
