#include <gtest/gtest.h>

#include "actors/restart.h"
#include "tests/actors/actor_fixture.h"

namespace {

// Ten hits of 10 bring 100 to 0 and the player plays on; the eleventh starts the game over,
// inside the projectile's own pass.
TEST(PlayerHit, TheEleventhHitRestartsTheGame) {
    TestWorld w;
    for (ProjectileType& type : w->projectileTypes) type.damage = 10;
    w->cameraX = w->cameraY = 3000;
    Player& player = w->player;
    player.init(3300, 3300, 0);
    player.body.facingLeft = 1;
    Room& room = w->rooms[30][20];
    room.spawnCount = 2;
    enemyInSlot(w, 7, room.spawns[1]);
    actorCursor = 7;
    for (int32_t hit = 1; hit <= 11; hit++) {
        if (hit == 11) fireProjectile(1, 3100, 3100, 16, 0, 1);  // another shot in flight
        fireProjectile(0, 3300 + 26, 3320, -16, 0, 1);  // an enemy's, flying left over the player
        updateProjectile(&w->projectiles[projectileCursor]);
        if (hit == 11) break;
        EXPECT_EQ(player.health, 100 - 10 * hit);
        EXPECT_EQ(bodyText(player.body), bodyText(Body{3300, 3300, 0, -8, -8, 60, 30, 1}));
        EXPECT_EQ(player.state, StateHurt);
        EXPECT_EQ(player.anim, 2);
        EXPECT_EQ(w->projectiles[projectileCursor].type, ProjectileFree);
        player.body.vx = player.body.vy = 0;
    }
    EXPECT_EQ(player.health, 100);
    EXPECT_EQ(bodyText(player.body), bodyText(Body{16320, 16320, 0, 0, 0, 60, 30, 1})) << "faces as it did";
    EXPECT_EQ(player.state, StateAir);
    EXPECT_EQ(w->cameraX, 16000);
    EXPECT_EQ(w->cameraY, 16000);
    EXPECT_EQ(w->actorSlots[7], nullptr);
    EXPECT_EQ(room.spawns[0].armed, 1);
    EXPECT_EQ(room.spawns[1].armed, 1);
    EXPECT_EQ(actorCursor, 7);
    EXPECT_EQ(projectileCursor, 12);
    for (const Projectile& projectile : w->projectiles) {
        EXPECT_EQ(projectile.type, ProjectileFree) << "the shot that restarted the game stays free too";
    }
}

// Every room's spawn list is re-armed up to its count, and never past the list.
TEST(Restart, ReArmsEverySpawnPointInItsList) {
    TestWorld w;
    w->rooms[0][0].spawnCount = 1;
    w->rooms[49][49].spawnCount = MaxSpawns;
    w->rooms[5][5].spawnCount = MaxSpawns + 20;
    restartGame();
    EXPECT_EQ(w->rooms[0][0].spawns[0].armed, 1);
    EXPECT_EQ(w->rooms[0][0].spawns[1].armed, 0);
    EXPECT_EQ(w->rooms[49][49].spawns[MaxSpawns - 1].armed, 1);
    EXPECT_EQ(w->rooms[5][5].spawns[MaxSpawns - 1].armed, 1);
    for (auto& tileRow : w->rooms[5][6].tiles) {
        for (int32_t tile : tileRow) ASSERT_EQ(tile, 0) << "nothing written past the list";
    }
}

}  // namespace
