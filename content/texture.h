// Textures made from pictures. Needs a GL context.
#pragma once
#include <cstdint>

// One texture of a whole picture, whose sides must be powers of two.
bool loadTexture(const char* path, uint32_t* texture);
// The same for a picture the game can do without: with no file at path, texture 0, silently.
bool loadTextureIfPresent(const char* path, uint32_t* texture);

// Binds texture, uploads the width x height RGBA image (then frees it with delete[])
// and sets nearest or linear filtering. No wrap mode, no mipmaps.
void uploadImage(uint32_t texture, int32_t width, int32_t height, uint32_t* image, bool linear);
