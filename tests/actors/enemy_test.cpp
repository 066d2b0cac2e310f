// The enemy behaviours pass by pass, the projectiles and the actor slots, as tables over small maps.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <sstream>

#include "actors/actor_slots.h"
#include "actors/behaviours.h"
#include "actors/enemy.h"
#include "actors/player_tuning.h"
#include "tests/support/scenario.h"
#include "tests/support/test_world.h"

namespace {

int nothrowAllocationsLeft = -1;  // before one fails; -1: none fails

void* allocateOrFail(std::size_t size) {
    if (nothrowAllocationsLeft == 0) return nullptr;
    if (nothrowAllocationsLeft > 0) nothrowAllocationsLeft--;
    return std::malloc(size ? size : 1);
}

}  // namespace

void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return allocateOrFail(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return allocateOrFail(size); }

namespace {

constexpr int32_t Origin = 16000;  // pixel of map tile (500, 500), in room (25, 25)
constexpr int32_t Type = 3;        // the enemy type the table's behaviour is given to

struct EnemyCase {
    const char* name;
    void (*behaviour)(Enemy*);
    const char* map;
    int32_t feetX, feetY;  // the spawn point, relative to the map
    uint8_t facingLeft;
    int32_t playerX, playerY;
    const char* script;  // passes of updateActors; "!" a player's shot hits it
    const char* expect;  // describe(), phase, wait, shot counter | shots in flight, the last one's x y vx vy
};

std::string enemyLine(const Enemy* enemy) {
    if (!enemy) return "gone";
    std::ostringstream out;
    out << describe(*enemy, Origin, Origin) << " p" << enemy->phase << " w" << enemy->moveTimers[0][1] << " s"
        << enemy->attackTimers[0][1] << " |";
    int flying = 0;
    for (const Projectile& p : world->projectiles) flying += p.type != ProjectileFree;
    out << ' ' << flying;
    if (flying) {
        const Body& b = world->projectiles[projectileCursor].body;
        out << ' ' << b.x - Origin << ' ' << b.y - Origin << ' ' << b.vx << ' ' << b.vy;
    }
    return out.str();
}

const char* Floor = "..........|..........|..........|..........|##########";
const char* Ledges = "..........|..........|..........|..........|./####\\...|##########";
const char* Box = "##########|#........#|#........#|#........#|#........#|##########";

// clang-format off
const EnemyCase cases[] = {
    {"an enemy starts falling at its spawn point", standAndShoot, Floor, 100, 60, 1, 0, 0, "", "85 0 0 0 5 13 1 p0 w0 s0 | 0"},
    {"a ledge walker turns at the ledge", patrolTurnAtLedges, Ledges, 100, 128, 0, 0, 0, "12",
     "149 67 -8 0 1 1 1 p0 w0 s0 | 0"},
    {"a ledge walker walks back and turns at the other ledge", patrolTurnAtLedges, Ledges, 100, 128, 0, 0, 0, "28",
     "101 67 8 0 1 1 0 p0 w0 s0 | 0"},
    {"platforms, ladder tops and breakables are no ledge", patrolTurnAtLedges, "..........|..........|..........|..........|..=TbB=H..", 100,
     127, 0, 0, 0, "16", "181 67 -8 0 1 1 1 p0 w0 s0 | 0"},
    {"inert cells are ledges", patrolTurnAtLedges, "....|....|....|....|..##i...", 100, 128, 0, 0, 0, "12", "101 67 8 0 1 1 1 p0 w0 s0 | 0"},
    {"a wall walker walks off the ledge", patrolTurnAtWalls, Ledges, 100, 128, 0, 0, 0, "12", "181 67 8 0 1 1 0 p0 w0 s0 | 0"},
    {"a wall walker turns at a wall", patrolTurnAtWalls, "..........|..........|..........|..........|#...#.....|#####", 100,
     128, 0, 0, 0, "16", "89 99 -8 0 1 1 1 p0 w0 s0 | 0"},
    {"a stander falls and waits", standAndShoot, Floor, 100, 60, 0, 200, 67, "40", "85 67 0 0 0 41 0 p0 w33 s0 | 0"},
    {"a stander shoots level after its wait", standAndShoot, Floor, 100, 60, 0, 200, 67, "48", "85 67 0 0 7 4 0 p8 w0 s1 | 1 115 97 16 0"},
    {"a stander's shot lasts twenty passes", standAndShoot, Floor, 100, 60, 0, 200, 67, "68", "85 67 0 0 0 0 0 p0 w0 s0 | 1 115 97 16 0"},
    {"a stander shoots up from a band below", standAndShoot, Floor, 100, 128, 0, 200, 3, "41", "85 67 0 0 7 5 0 p8 w0 s1 | 1 100 67 0 -16"},
    {"a stander short of the band shoots level", standAndShoot, Floor, 100, 128, 0, 200, 4, "41", "85 67 0 0 7 4 0 p8 w0 s1 | 1 115 97 16 0"},
    {"a hover shoots down beyond the band", hoverAndShoot, Floor, 100, 100, 1, 0, 105, "41", "85 40 0 0 18 17 1 p8 w0 s1 | 1 100 100 0 16"},
    {"a hover shoots level inside the band", hoverAndShoot, Floor, 100, 100, 1, 0, 104, "41", "85 40 0 0 18 15 1 p8 w0 s1 | 1 85 70 -16 0"},
    {"a hover shoots up beyond the band", hoverAndShoot, Floor, 100, 100, 0, 0, -25, "41", "85 40 0 0 18 16 0 p8 w0 s1 | 1 100 40 0 -16"},
    {"a hover at the band's edge shoots level", hoverAndShoot, Floor, 100, 100, 0, 0, -24, "41", "85 40 0 0 18 15 0 p8 w0 s1 | 1 115 70 16 0"},
    {"a hover's shot ends in the air, waiting again", hoverAndShoot, Floor, 100, 100, 0, 0, 40, "61", "85 40 0 0 5 13 0 p0 w0 s0 | 1 115 70 16 0"},
    {"a waver hovers, then flies a wave", hoverThenWave, Floor, 100, 100, 0, 0, 0, "45", "125 55 0 -3 17 50 0 p8 w5 s0 | 0"},
    {"a wave comes back to its height", hoverThenWave, Floor, 100, 100, 1, 0, 0, "56", "-43 40 0 12 17 50 1 p8 w0 s0 | 0"},
    {"a bouncer flies off after its wait", hoverThenBounce, Box, 100, 100, 1, 0, 0, "44", "53 48 -8 8 17 37 1 p8 w0 s0 | 0"},
    {"a bouncer bounces off walls and floors", hoverThenBounce, Box, 100, 100, 0, 0, 0, "70", "193 99 -8 -8 17 37 0 p8 w0 s0 | 0"},
    {"a chaser closes in at limited speed", hoverChaseShoot, Floor, 100, 100, 0, -300, -200, "50", "25 -20 -6 -6 17 50 1 p1 w10 s0 | 0"},
    {"a chaser slows, level with its target facing left", hoverChaseShoot, Floor, 100, 100, 0, 85, 120, "60", "85 71 0 1 17 50 1 p1 w20 s0 | 0"},
    {"a chaser shoots after its chase", hoverChaseShoot, Floor, 100, 100, 0, 400, 160, "81", "293 116 3 1 18 15 0 p8 w0 s1 | 1 323 146 16 0"},
    {"a chaser chases again after its shot", hoverChaseShoot, Floor, 100, 100, 0, 400, 160, "103", "299 118 3 1 17 50 0 p1 w2 s0 | 1 323 146 16 0"},
    {"a hit knocks an enemy up and along", hoverThenWave, Floor, 100, 127, 0, 0, 0, "1 ! 2", "101 57 8 -4 6 2 0 p0 w1 s0 | 0"},
    {"a hurt walker only plays its hurt", patrolTurnAtWalls, Floor, 100, 128, 0, 0, 0, "1 ! 2", "109 57 8 -4 6 2 0 p0 w0 s0 | 0"},
    {"a hurt hover recovers and hovers where it is", hoverAndShoot, Floor, 100, 127, 0, 0, 0, "1 ! 5", "109 55 0 0 17 50 0 p0 w2 s0 | 0"},
    {"a hurt enemy lands and recovers", standAndShoot, Floor, 100, 128, 0, 0, 0, "1 ! 12", "141 67 0 0 0 41 0 p0 w5 s0 | 0"},
    {"a hurt enemy moves along, then up", standAndShoot, "..........|......#...|..........|..........|##########",
     173, 128, 0, 0, 0, "1 ! 1", "166 64 0 0 6 2 0 p0 w1 s0 | 0"},
    {"a killed enemy plays its dying", hoverThenBounce, Floor, 100, 127, 0, 0, 0, "1 ! ! 16", "149 67 0 0 6 66 0 p0 w1 s0 | 0"},
    {"a killed enemy is dead in the end", hoverChaseShoot, Floor, 100, 128, 0, 0, 0, "1 ! ! 30", "gone"},
    {"a type without a behaviour leaves at once", nullptr, Floor, 100, 128, 0, 0, 0, "1", "gone"},
};
// clang-format on

class EnemyScenario : public ::testing::TestWithParam<EnemyCase> {};

TEST_P(EnemyScenario, EndsAsExpected) {
    const EnemyCase& c = GetParam();
    TestWorld w;
    w.paint(500, 500, std::string(c.map));
    w->enemyTypes[Type].behaviour = c.behaviour;
    w->player.init(Origin + c.playerX, Origin + c.playerY, 0);
    SpawnPoint point{Origin + c.feetX, Origin + c.feetY, Type, c.facingLeft, 1};
    w->actorSlots[0] = new Enemy(&point);
    runScript(c.script, {nullptr, [] { updateActors(25, 25); }});
    EXPECT_EQ(enemyLine(static_cast<Enemy*>(w->actorSlots[0])), c.expect) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Table, EnemyScenario, ::testing::ValuesIn(cases));

// A shot of the given owner from (x, y) relative to the origin, flown for passes.
struct ShotCase {
    const char* name;
    const char* map;
    uint8_t owner;
    int32_t x, y, vx, vy, passes;
    const char* expect;  // the shot, "free" or "x y"; the enemy's and the player's health; the cell hit and its tile
};

const ShotCase shots[] = {
    {"a shot flies on in a straight line", "", 1, 0, -100, 16, -4, 3, "48 -112 e20 0 p100 c0 t32"},
    {"a shot on the window's bottom-right corner lives", "", 1, 944, 784, 16, 16, 1, "960 800 e20 0 p100 c0 t32"},
    {"a shot on the window's top-left corner lives", "", 1, -304, -304, -16, -16, 1, "-320 -320 e20 0 p100 c0 t32"},
    {"a shot past the window's left is freed", "", 1, -305, 0, -16, 0, 1, "free e20 0 p100 c0 t32"},
    {"a shot past the window's bottom is freed", "", 1, 0, 785, 0, 16, 1, "free e20 0 p100 c0 t32"},
    {"a shot past the window's right is freed", "", 1, 945, 0, 16, 0, 1, "free e20 0 p100 c0 t32"},
    {"a shot past the window's top is freed", "", 1, 0, -320, 0, -1, 1, "free e20 0 p100 c0 t32"},
    {"a wall stops a shot", "..#", 1, 40, 0, 16, 0, 2, "free e20 0 p100 c1 t32"},
    {"a shot strikes only the cell under its corner", "..#|.#", 1, 40, 6, 16, 16, 1, "56 22 e20 0 p100 c1 t32"},
    {"a breakable cell breaks", "..b", 1, 40, 0, 16, 0, 2, "free e20 0 p100 c0 t0"},
    {"the other breakable cell breaks too", "..B", 1, 40, 0, 16, 0, 2, "free e20 0 p100 c0 t0"},
    {"slopes, platforms, ladders and inert cells let shots through", "..\\/=HTi", 1, 40, 0, 16, 0, 12,
     "232 0 e20 0 p100 c2 t32"},
    {"a shot along the enemy's left and top edges misses", "", 1, 270, 250, 10, -20, 4, "310 170 e20 0 p100 c0 t32"},
    {"a shot along the enemy's right and bottom edges misses", "", 1, 370, 170, -20, 30, 4,
     "290 290 e20 0 p100 c0 t32"},
    {"a player's shot overlapping the enemy hits", "", 1, 300 - 25, 200, 16, 0, 1, "free e10 8 p100 c0 t32"},
    {"a player's shot passes the player", "", 1, 0, 200, 16, 0, 1, "16 200 e20 0 p100 c0 t32"},
    {"an enemy's shot hits the player", "", 0, 0, 200, 16, 0, 1, "free e20 0 p90 c0 t32"},
    {"an enemy's shot passes the enemy", "", 0, 300 - 25, 200, 16, 0, 1, "291 200 e20 0 p100 c0 t32"},
};

class ShotScenario : public ::testing::TestWithParam<ShotCase> {};

TEST_P(ShotScenario, EndsAsExpected) {
    const ShotCase& c = GetParam();
    TestWorld w;
    w.paint(500, 500, std::string(c.map));
    w->cameraX = w->cameraY = Origin;
    w->player.init(Origin, Origin + 180, 0);
    SpawnPoint point{Origin + 315, Origin + 260, Type, 0, 1};
    Enemy* enemy = new Enemy(&point);
    w->actorSlots[0] = enemy;
    w->rooms[25][25].tiles[0][2] = 32;  // the picture of cell (500, 502)
    fireProjectile(c.owner, Origin + c.x, Origin + c.y, c.vx, c.vy, 1);
    Projectile& shot = w->projectiles[projectileCursor];
    for (int32_t pass = 0; pass < c.passes; pass++) updateProjectile(&shot);
    std::ostringstream out;
    if (shot.type == ProjectileFree) out << "free";
    else out << shot.body.x - Origin << ' ' << shot.body.y - Origin;
    out << " e" << enemy->health << ' ' << enemy->body.vx << " p" << w->player.health << " c"
        << int(w->collisionGrid[500][502]) << " t" << w->rooms[25][25].tiles[0][2];
    EXPECT_EQ(out.str(), c.expect) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Table, ShotScenario, ::testing::ValuesIn(shots));

TEST(Projectiles, EveryOverlappedEnemyIsHitAndDyingOnesLetShotsThrough) {
    TestWorld w;
    SpawnPoint points[3] = {{Origin + 15, Origin + 60, Type, 0, 1},
                            {Origin + 20, Origin + 60, Type, 0, 1},
                            {Origin + 25, Origin + 60, Type, 0, 1}};
    for (int i = 0; i < 3; i++) w->actorSlots[i] = new Enemy(&points[i]);
    w->actorSlots[1]->health = 1;
    w->actorSlots[2]->health = 0;
    w->cameraX = w->cameraY = Origin;
    fireProjectile(1, Origin, Origin + 10, 4, 0, 1);
    updateProjectile(&w->projectiles[projectileCursor]);
    EXPECT_EQ(w->actorSlots[0]->health, 10);
    EXPECT_EQ(w->actorSlots[1]->health, -9);
    EXPECT_EQ(w->actorSlots[2]->health, 0);
    EXPECT_EQ(w->projectiles[projectileCursor].type, ProjectileFree);
}

TEST(Projectiles, TheRingSkipsTheCursorsOwnRecord) {
    TestWorld w;
    for (int i = 0; i < 70; i++) fireProjectile(0, i, 0, i % 2 ? -1 : 0, 0, 1);
    int flying = 0;
    for (const Projectile& p : w->projectiles) flying += p.type != ProjectileFree;
    EXPECT_EQ(flying, ProjectilePoolSize);
    int32_t sum = 0;
    for (const Projectile& p : w->projectiles) sum += p.body.x;
    EXPECT_EQ(sum, 63 * 64 / 2) << "a full pool takes no more";
    EXPECT_EQ(w->projectiles[62].body.facingLeft - w->projectiles[61].body.facingLeft, 1) << "left ones mirror";
}

TEST(Projectiles, AHitWithNoHealthLeftRestartsPlay) {
    TestWorld w;
    w->rooms[3][4].spawnCount = 2;
    w->player.init(Origin, Origin, 0);
    w->player.body.facingLeft = 1;
    w->player.health = 0;
    SpawnPoint point{Origin, Origin, Type, 0, 1};
    w->actorSlots[5] = new Enemy(&point);
    fireProjectile(0, Origin, Origin, 0, 0, 1);
    fireProjectile(0, Origin + 500, Origin, 0, 0, 1);
    updateProjectile(&w->projectiles[1]);
    EXPECT_EQ(describe(w->player), "16320 16320 0 0 5 0 1");
    EXPECT_EQ(w->player.health, PlayerFullHealth);
    EXPECT_EQ(w->cameraX + w->cameraY, 2 * StartCamera);
    EXPECT_EQ(w->rooms[3][4].spawns[1].armed, 1);
    EXPECT_EQ(w->actorSlots[5], nullptr);
    EXPECT_EQ(w->projectiles[2].type, ProjectileFree);
}

TEST(ActorSlots, EnteringARoomFillsTheRingAfterTheCursor) {
    TestWorld w;
    Room& room = w->rooms[2][3];
    room.spawnCount = 4;
    for (int i = 0; i < 4; i++) room.spawns[i] = SpawnPoint{1300 + 50 * i, 2000, Type, 0, uint8_t(i != 1)};
    actorCursor = ActorSlotCount - 2;
    w->actorSlots[0] = new Enemy(&room.spawns[1]);
    spawnRoomEnemies(2, 3);
    EXPECT_NE(w->actorSlots[ActorSlotCount - 1], nullptr);
    EXPECT_EQ(w->actorSlots[1]->spawnPoint, &room.spawns[2]);
    EXPECT_EQ(w->actorSlots[2]->spawnPoint, &room.spawns[3]);
    EXPECT_EQ(actorCursor, 2);
    EXPECT_EQ(room.spawns[3].armed, 0);
    // A full ring leaves the rest armed for the next visit.
    room.spawns[3].armed = 1;
    for (int slot = 0; slot < ActorSlotCount; slot++) {
        if (!w->actorSlots[slot]) w->actorSlots[slot] = new Enemy(&room.spawns[1]);
    }
    delete w->actorSlots[7];
    w->actorSlots[7] = nullptr;
    room.spawns[0].armed = 1;
    spawnRoomEnemies(2, 3);
    EXPECT_EQ(w->actorSlots[7]->spawnPoint, &room.spawns[0]);
    EXPECT_EQ(room.spawns[3].armed, 1);
}

TEST(ActorSlots, TheFarAndTheDeadLeavePlayAndOnlyTheFarComeBack) {
    TestWorld w;
    w->enemyTypes[Type].behaviour = hoverAndShoot;
    const int32_t roomsAway[][2] = {{1, 1}, {-1, -1}, {2, 0}, {0, -2}, {0, 2}, {0, 0}, {0, 0}};
    SpawnPoint points[7];
    // Each box's bottom-right corner lies in the next room: its top-left corner decides.
    for (int i = 0; i < 7; i++) {
        points[i] = SpawnPoint{(10 + roomsAway[i][0]) * 640 + 625, (11 + roomsAway[i][1]) * 640, Type, 0, 1};
        w->actorSlots[i] = new Enemy(&points[i]);
    }
    w->actorSlots[5]->health = -1;
    w->actorSlots[6]->health = 0;
    updateActors(10, 10);
    std::string left;
    for (int i = 0; i < 7; i++) left += std::to_string(w->actorSlots[i] != nullptr) + std::to_string(points[i].armed);
    EXPECT_EQ(left, "10100101010010");
}

// Out of memory for the enemy or either of its timer tables: no enemy, and the point stays armed.
TEST(Enemies, AnEnemyThatCannotBeAllocatedIsNotMade) {
    for (int succeeding = 0; succeeding < 3; succeeding++) {
        SpawnPoint point{300, 300, Type, 0, 1};
        nothrowAllocationsLeft = succeeding;
        Enemy* enemy = newEnemy(&point);
        nothrowAllocationsLeft = -1;
        EXPECT_EQ(enemy, nullptr) << succeeding << " allocations succeeded";
        EXPECT_EQ(point.armed, 1) << succeeding << " allocations succeeded";
    }
}

}  // namespace
