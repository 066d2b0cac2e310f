// Frame time of renderFrame on the off-screen context. Run from the repository
// root so the start-room case finds data/.
#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include "render/render.h"
#include "tests/render/render_fixture.h"
#include "tests/support/play_harness.h"

namespace {

constexpr int32_t CameraX = 16000 + 200;  // halfway along a horizontal scroll
constexpr int32_t CameraY = 16000 + 80;
constexpr int EnemiesInView = 4;
constexpr int ProjectilesInFlight = 6;

// Two rooms about half full of tiles, with a floor, walls and ledges.
void fillRooms() {
    for (int32_t roomX : {25, 26}) {
        Room& room = world->rooms[roomX][25];
        for (int row = 0; row < RoomTiles; row++) {
            for (int col = 0; col < RoomTiles; col++) {
                bool edge = row >= 17 || col < 2 || col >= 18 || row < 2;
                bool ledge = row % 5 == 0 && (col + row) % 7 < 4;
                room.tiles[row][col] = edge || ledge ? 1 + (row * 20 + col) % 127 : 0;
            }
        }
    }
}

void giveFigure(Actor& actor, int32_t x, int32_t y, uint8_t facingLeft) {
    actor.body.x = x;
    actor.body.y = y;
    actor.body.width = 30;
    actor.body.height = 60;
    actor.body.facingLeft = facingLeft;
}

void BM_RenderFrameBusyRoom(benchmark::State& state) {
    OffscreenGl gl;
    if (!gl.ok()) {
        state.SkipWithError("no off-screen context");
        return;
    }
    TestWorld tw;
    tw->backgroundTexture = makeBackgroundTexture();
    tw->tileAtlasTexture = makeAtlasTexture();
    tw->healthbarTexture = solidTexture(Green);
    tw->emptybarTexture = solidTexture(Red);
    uint32_t part = quadrantTexture(Upright);
    dressAllFigures(part);
    for (ProjectileType& type : tw->projectileTypes) type.texture = part;
    fillRooms();
    tw->cameraX = CameraX;
    tw->cameraY = CameraY;
    tw->scrollVertical = 0;
    tw->player.health = 70;
    giveFigure(tw->player, CameraX + 300, CameraY + 200, 0);

    SpawnPoint spawn = {};
    for (int i = 0; i < EnemiesInView; i++) {
        Enemy* enemy = new Enemy(&spawn);
        giveFigure(*enemy, CameraX + 80 + 140 * i, CameraY + 300, i % 2);
        tw->actorSlots[i] = enemy;
    }
    for (int i = 0; i < ProjectilesInFlight; i++) {
        Projectile& shot = tw->projectiles[i];
        shot.type = i % 2;
        shot.body.x = CameraX + 50 + 100 * i;
        shot.body.y = CameraY + 220;
        shot.body.facingLeft = i % 2;
    }

    for (auto _ : state) {
        renderFrame();
        glFinish();  // the frame counts once it is drawn
    }
}
BENCHMARK(BM_RenderFrameBusyRoom)->Unit(benchmark::kMillisecond);

void BM_RenderFrameStartRoomFromData(benchmark::State& state) {
    PlayHarness harness;
    if (!harness.ok()) {
        state.SkipWithError("cannot build the World from data/");
        return;
    }
    for (int pass = 0; pass < 20; pass++) harness.pass();
    for (auto _ : state) {
        renderFrame();
        glFinish();
    }
}
BENCHMARK(BM_RenderFrameStartRoomFromData)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
