#include <GL/gl.h>
#include <gtest/gtest.h>

#include "render/room_drawing.h"
#include "tests/render/render_fixture.h"

namespace {

// What an empty room drawn at (screenX, screenY) shows at pixel (x, y).
uint32_t roomPixel(int x, int y, float screenX, float screenY) {
    int u = x - int(screenX), v = y - int(screenY);
    bool inRoom = u >= 0 && u < 640 && v >= 0 && v < 640;
    return inRoom ? backgroundTexel(u, v) : Black;
}

class RoomDrawing : public RenderTest {
protected:
    void SetUp() override {
        RenderTest::SetUp();
        useRoomTextures();
    }
    Room& room() const { return tw->rooms[RoomX][RoomY]; }

    static constexpr int32_t RoomX = 7;
    static constexpr int32_t RoomY = 42;
};

TEST_F(RoomDrawing, BackgroundShowsOneTexelPerPixelFromTheRoomCorner) {
    struct Probe {
        float screenX, screenY;
        int x, y;
    };
    const Probe probes[] = {
        {0, 0, 0, 0},         // a vertex at (0, 0) is the top-left pixel
        {0, 0, 639, 479},     // and the screen ends at (640, 480)
        {0, 0, 639, 0},
        {0, 0, 0, 479},
        {-100, 50, 0, 50},    // texel (100, 0)
        {-100, 50, 539, 479},
        {-100, 50, 540, 100},  // right of the room's 640 pixels
        {-100, 50, 10, 49},    // above its top
        {200, -600, 300, 39},   // texel (100, 639), the last row shown
        {200, -600, 300, 40},
    };
    for (const Probe& p : probes) {
        SCOPED_TRACE(testing::Message() << "room at (" << p.screenX << ", " << p.screenY << "), pixel (" << p.x
                                        << ", " << p.y << ")");
        glClear(GL_COLOR_BUFFER_BIT);
        drawRoom(RoomX, RoomY, p.screenX, p.screenY);
        EXPECT_EQ(colorAt(gl, p.x, p.y), rgbText(roomPixel(p.x, p.y, p.screenX, p.screenY)));
    }
}

TEST_F(RoomDrawing, TileShowsItsAtlasCellOnItsSquare) {
    struct Case {
        int32_t code, row, col;
        float screenX, screenY;
    };
    const Case cases[] = {
        {17, 0, 19, -100, 50},  // atlas column 1, row 1; covers x 508..540, y 50..82
        {127, 19, 0, 10, -170},  // the last cell, in the room's bottom row
        {1, 5, 6, 0, 0},
        {16, 3, 2, 10, 20},     // column 0, row 1
        {112, 10, 10, -300, -200},  // column 0, row 7
        {15, 14, 3, 0, -300},   // column 15, row 0
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "code " << c.code);
        room().tiles[c.row][c.col] = c.code;
        glClear(GL_COLOR_BUFFER_BIT);
        drawRoom(RoomX, RoomY, c.screenX, c.screenY);
        room().tiles[c.row][c.col] = 0;

        int left = int(c.screenX) + 32 * c.col;
        int top = int(c.screenY) + 32 * c.row;
        int cellX = 32 * (c.code & 15);
        int cellY = 32 * (c.code >> 4);
        for (int dy : {0, 31})
            for (int dx : {0, 1, 30, 31})
                EXPECT_EQ(colorAt(gl, left + dx, top + dy), rgbText(atlasTexel(cellX + dx, cellY + dy)))
                    << "tile pixel (" << dx << ", " << dy << ")";
        // Just outside the square: the background, or nothing past the room's edge.
        const int outside[][2] = {{-1, 0}, {32, 31}, {0, -1}, {31, 32}};
        for (const auto& o : outside) {
            int x = left + o[0], y = top + o[1];
            EXPECT_EQ(colorAt(gl, x, y), rgbText(roomPixel(x, y, c.screenX, c.screenY)))
                << "outside at (" << o[0] << ", " << o[1] << ")";
        }
    }
}

TEST_F(RoomDrawing, FaintOrTransparentTexelsLeaveTheBackground) {
    struct Case {
        int32_t code;
        bool leftDrawn, rightDrawn;
    };
    const Case cases[] = {
        {CodeTransparent, false, false},
        {CodeAlpha26, false, false},  // at or below the 0.1 threshold once rounded to 8 bits
        {CodeAlpha27, true, true},    // just above it: drawn fully opaque
        {CodeHalfTransparent, false, true},
        {6, true, true},
    };
    const int row = 4, col = 9;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "code " << c.code);
        room().tiles[row][col] = c.code;
        glClear(GL_COLOR_BUFFER_BIT);
        drawRoom(RoomX, RoomY, 0, 0);
        room().tiles[row][col] = 0;
        for (int dx : {4, 27}) {
            bool drawn = dx < 16 ? c.leftDrawn : c.rightDrawn;
            int x = 32 * col + dx, y = 32 * row + 8;
            uint32_t expected = drawn ? atlasTexel(32 * c.code + dx, 8) : backgroundTexel(x, y);
            EXPECT_EQ(colorAt(gl, x, y), rgbText(expected)) << "at dx " << dx;
        }
    }
}

}  // namespace
