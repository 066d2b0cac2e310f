#include <gtest/gtest.h>

#include "actors/enemy.h"
#include "actors/restart.h"
#include "tests/actors/actor_fixture.h"

namespace {

constexpr int32_t Camera = 3200;  // both camera coordinates, so the window is 2880..4160 x 2880..4000

int32_t inFlight(const TestWorld& w) {
    int32_t count = 0;
    for (const Projectile& projectile : w->projectiles) count += projectile.type != ProjectileFree;
    return count;
}

struct ProjectileWorld : TestWorld {
    ProjectileWorld() {
        (*this)->cameraX = Camera;
        (*this)->cameraY = Camera;
        for (ProjectileType& type : (*this)->projectileTypes) type.damage = 10;
        (*this)->projectileTypes[2].damage = 7;
        (*this)->player.init(0, 0, 0);  // far from every shot unless moved
    }
};

TEST(ProjectilePool, FiresIntoTheRingAfterTheCursor) {
    ProjectileWorld w;
    projectileCursor = 63;
    w->projectiles[0].type = 1;
    w->projectiles[1].body.rotation = 3;
    fireProjectile(0, 100, 200, -16, 4, 2);
    ASSERT_EQ(projectileCursor, 1) << "from 63 on to 0, which is in flight, then 1";
    const Projectile& shot = w->projectiles[1];
    EXPECT_EQ(shot.type, 2);
    EXPECT_EQ(shot.owner, 0);
    EXPECT_EQ(bodyText(shot.body), bodyText(Body{100, 200, 0, -16, 4, 10, 10, 1}))  // mirrored, unturned
        << "x y rotation vx vy height width facingLeft";
}

// With 63 records in flight the only free one is the cursor's own, which is never taken.
TEST(ProjectilePool, NeverTakesTheCursorsOwnRecord) {
    ProjectileWorld w;
    for (int32_t i = 0; i < 64; i++) fireProjectile(1, 0, 0, 16, 0, 1);
    ASSERT_EQ(inFlight(w), 64);
    ASSERT_EQ(projectileCursor, 0);
    w->projectiles[0].type = ProjectileFree;
    fireProjectile(1, 0, 0, 16, 0, 1);
    EXPECT_EQ(inFlight(w), 63);
    EXPECT_EQ(w->projectiles[0].type, ProjectileFree);
    EXPECT_EQ(projectileCursor, 0);
    w->projectiles[20].type = ProjectileFree;
    fireProjectile(1, 0, 0, 16, 0, 1);
    EXPECT_EQ(projectileCursor, 20);
    EXPECT_EQ(inFlight(w), 63);
}

// A 10 x 10 shot against a 30 x 60 box at the origin: edges that only touch do not overlap.
TEST(ProjectileOverlap, StrictEdgesBothWays) {
    struct Case {
        int32_t x, y;
        bool overlap;
    } cases[] = {
        {-10, 0, false}, {-9, 0, true}, {30, 0, false}, {29, 0, true},
        {0, -10, false}, {0, -9, true}, {0, 60, false}, {29, 59, true},
    };
    for (const Case& c : cases) {
        Body shot{c.x, c.y, 0, 0, 0, 10, 10, 0};
        Body box{0, 0, 0, 0, 0, 60, 30, 0};
        EXPECT_EQ(overlaps(shot, box), c.overlap) << c.x << "," << c.y;
    }
}

// The window reaches 320 pixels beyond the view on each side, 800 below its top.
TEST(ProjectileFlight, WindowEdges) {
    struct Case {
        int32_t x, y;
        bool stays;
    } cases[] = {
        {Camera + 960, Camera, true},  {Camera + 961, Camera, false},
        {Camera - 320, Camera, true},  {Camera - 321, Camera, false},
        {Camera, Camera - 320, true},  {Camera, Camera - 321, false},
        {Camera, Camera + 800, true},  {Camera, Camera + 801, false},
    };
    for (const Case& c : cases) {
        ProjectileWorld w;
        fireProjectile(1, c.x - 16, c.y - 4, 16, 4, 1);
        updateProjectile(&w->projectiles[1]);
        EXPECT_EQ(w->projectiles[1].body.x, c.x);
        EXPECT_EQ(w->projectiles[1].type != ProjectileFree, c.stays) << c.x << "," << c.y;
    }
}

// Only walls and breakable blocks stop a shot; breakable ones are gone for good, from
// play and from the picture.
TEST(ProjectileFlight, TilesUnderTheCorner) {
    const bool stops[10] = {false, true, false, false, false, false, false, false, true, true};
    const int32_t row = (Camera + 100) >> 5, col = (Camera + 100) >> 5;
    for (int8_t cls = 0; cls < 10; cls++) {
        ProjectileWorld w;
        w.setCell(row, col, cls);
        int32_t& tile = w->rooms[col / RoomTiles][row / RoomTiles].tiles[row % RoomTiles][col % RoomTiles];
        tile = 32;
        fireProjectile(1, Camera + 100 - 16, Camera + 100, 16, 0, 1);
        updateProjectile(&w->projectiles[1]);
        EXPECT_EQ(w->projectiles[1].type == ProjectileFree, stops[cls]) << "class " << int(cls);
        EXPECT_EQ(cellClass(row, col), cls >= ClassBreakable ? 0 : int32_t(cls)) << "class " << int(cls);
        EXPECT_EQ(tile, cls >= ClassBreakable ? 0 : 32) << "class " << int(cls);
    }
}

// Beyond the grid every cell reads as a wall: a shot leaving the world stops at its rim.
TEST(ProjectileFlight, LeavingTheWorldStopsIt) {
    struct Case {
        int32_t camera, x, y, vx, vy;
    } cases[] = {
        {32000 - 640, 32000 - 5, 32000 - 300, 16, 0},
        {32000 - 640, 32000 - 300, 32000 - 5, 0, 16},
        {0, 5, 100, -16, 0},
        {0, 100, 5, 0, -16},
    };
    for (const Case& c : cases) {
        ProjectileWorld w;
        w->cameraX = c.camera;
        w->cameraY = c.camera;
        fireProjectile(1, c.x, c.y, c.vx, c.vy, 1);
        updateProjectile(&w->projectiles[1]);
        EXPECT_EQ(w->projectiles[1].type, ProjectileFree) << c.x << "," << c.y;
    }
}

// Shooting a column of breakable blocks away opens the way for good.
TEST(ProjectileFlight, BrokenBlocksLetActorsThrough) {
    ProjectileWorld w;
    int32_t col = (Camera + 64) >> 5;
    int32_t rows[] = {(Camera >> 5) - 2, (Camera >> 5) - 1, Camera >> 5};
    for (int32_t row : rows) w.setCell(row, col, ClassBreakable);
    Player walker = boxAt(Camera + 30, Camera - 40, 8, 0);  // rows rows[0] .. rows[2]
    Player blocked = walker;
    EXPECT_TRUE(moveHorizontal(&blocked)) << "the blocks stand before the shots";

    for (int32_t row : rows) {
        fireProjectile(1, Camera + 64 - 8, 32 * row, 16, 0, 1);
        updateProjectile(&w->projectiles[projectileCursor]);
        EXPECT_EQ(w->projectiles[projectileCursor].type, ProjectileFree);
        EXPECT_EQ(cellClass(row, col), ClassEmpty);
    }
    EXPECT_FALSE(moveHorizontal(&walker));
    EXPECT_EQ(walker.body.x, Camera + 38);

    restartGame();
    for (int32_t row : rows) EXPECT_EQ(cellClass(row, col), ClassEmpty) << "a restart does not rebuild them";
}

TEST(ProjectileHits, OneShotHitsEveryEnemyItOverlaps) {
    ProjectileWorld w;
    SpawnPoint points[3] = {
        {Camera + 115, Camera + 160, 0, 0, 1},
        {Camera + 120, Camera + 170, 0, 0, 1},
        {Camera + 300, Camera + 160, 0, 0, 1},  // out of reach
    };
    Enemy* near = enemyInSlot(w, 3, points[0]);
    Enemy* nearer = enemyInSlot(w, 90, points[1]);
    Enemy* far = enemyInSlot(w, 50, points[2]);
    fireProjectile(1, Camera + 100 - 16, Camera + 120, 16, 0, 2);
    updateProjectile(&w->projectiles[1]);
    EXPECT_EQ(near->health, 20 - 7);
    EXPECT_EQ(nearer->health, 20 - 7) << "the second enemy takes the damage of the shot's own type";
    EXPECT_EQ(far->health, 20);
    EXPECT_EQ(w->projectiles[1].type, ProjectileFree);
}

// A shot that leaves the window or strikes a wall in this pass still hits with its own type's damage.
TEST(ProjectileHits, FreedThisPassStillHitsWithItsType) {
    struct Case {
        const char* what;
        int32_t x;
        int8_t cell;
    } cases[] = {
        {"left the window", Camera + 961, ClassEmpty},
        {"struck a wall", Camera + 500, ClassWall},
    };
    for (const Case& c : cases) {
        ProjectileWorld w;
        w.setCellAt(c.x, Camera + 100, c.cell);
        SpawnPoint point{c.x + 5, Camera + 150, 0, 0, 1};
        Enemy* enemy = enemyInSlot(w, 0, point);
        fireProjectile(1, c.x - 16, Camera + 100, 16, 0, 2);
        updateProjectile(&w->projectiles[1]);
        EXPECT_EQ(w->projectiles[1].type, ProjectileFree) << c.what;
        EXPECT_EQ(enemy->health, 20 - 7) << c.what;
    }
}

TEST(ProjectileHits, SidesNeverHurtTheirOwn) {
    ProjectileWorld w;
    SpawnPoint point{Camera + 115, Camera + 160, 0, 0, 1};
    Enemy* enemy = enemyInSlot(w, 0, point);
    w->player.init(Camera + 100, Camera + 100, 0);

    fireProjectile(0, Camera + 100, Camera + 120, 0, 0, 1);  // an enemy's, over both
    updateProjectile(&w->projectiles[1]);
    EXPECT_EQ(enemy->health, 20);
    EXPECT_EQ(w->player.health, 90);

    fireProjectile(1, Camera + 100, Camera + 120, 0, 0, 1);  // the player's, over both
    updateProjectile(&w->projectiles[2]);
    EXPECT_EQ(enemy->health, 10);
    EXPECT_EQ(w->player.health, 90);
}

}  // namespace
