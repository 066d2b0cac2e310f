#include "render/room_drawing.h"

#include <GL/gl.h>

#include "content/tile_atlas.h"
#include "render/textured_quad.h"
#include "shell/world.h"

namespace {

// The background picture fills the top-left 640 x 640 of its 1024 x 1024 texture.
constexpr float BackgroundExtent = 0.625f;

constexpr float AtlasCellWidth = 1.0f / AtlasColumns;
constexpr float AtlasCellHeight = 1.0f / AtlasRows;

}  // namespace

void drawRoom(int32_t roomX, int32_t roomY, float screenX, float screenY) {
    glLoadIdentity();
    glBindTexture(GL_TEXTURE_2D, world->backgroundTexture);
    drawTexturedQuad(screenX, screenY, screenX + RoomPixels, screenY + RoomPixels, 0.0f, 0.0f, BackgroundExtent,
                     BackgroundExtent);

    glBindTexture(GL_TEXTURE_2D, world->tileAtlasTexture);
    const Room& room = world->rooms[roomX][roomY];
    for (int32_t row = 0; row < RoomTiles; row++) {
        for (int32_t col = 0; col < RoomTiles; col++) {
            int32_t code = room.tiles[row][col];
            if (code == 0) continue;
            AtlasCell cell = atlasCell(code);
            float s0 = cell.column * AtlasCellWidth;
            float t0 = cell.row * AtlasCellHeight;
            float x0 = TilePixels * col + screenX;
            float y0 = TilePixels * row + screenY;
            drawTexturedQuad(x0, y0, x0 + TilePixels, y0 + TilePixels, s0, t0, s0 + AtlasCellWidth,
                             t0 + AtlasCellHeight);
        }
    }
}
