#include <gtest/gtest.h>

#include "tests/actors/actor_fixture.h"

namespace {

struct HitWorld : TestWorld {
    HitWorld() {
        for (ProjectileType& type : (*this)->projectileTypes) type.damage = 10;
        (*this)->cameraX = 3000;
        (*this)->cameraY = 3000;
        (*this)->player.init(3300, 3300, 0);
    }
};

// An enemy's shot flying left, placed over the player.
Projectile& shotAtPlayer(const TestWorld& w) {
    fireProjectile(0, w->player.body.x + 16 + 10, w->player.body.y + 20, -16, 0, 1);
    return w->projectiles[projectileCursor];
}

TEST(PlayerHit, TakesDamageAndIsKnockedTheWayTheShotFlew) {
    HitWorld w;
    Player& player = w->player;
    player.nextAnim = 13;
    player.nextState = StateAir;
    Projectile& shot = shotAtPlayer(w);
    updateProjectile(&shot);
    EXPECT_EQ(shot.type, ProjectileFree);
    EXPECT_EQ(player.health, 90);
    EXPECT_EQ(player.body.vx, -8);
    EXPECT_EQ(player.body.vy, -8);
    EXPECT_EQ(player.state, StateHurt);
    EXPECT_EQ(player.anim, 2);
    EXPECT_EQ(player.frame, 0);
    EXPECT_EQ(player.nextAnim, 13);
    EXPECT_EQ(player.nextState, StateAir);
}

// Ten hits bring 100 to 0 and the player plays on; the eleventh starts the game over.
TEST(PlayerHit, TheEleventhHitRestartsTheGame) {
    HitWorld w;
    Player& player = w->player;
    player.body.facingLeft = 1;
    SpawnPoint& point = w->rooms[30][20].spawns[1];
    w->rooms[30][20].spawnCount = 2;
    w->rooms[30][20].spawns[0].armed = 0;
    enemyInSlot(w, 7, point);
    ASSERT_EQ(point.armed, 0);
    actorCursor = 7;
    for (int32_t hit = 1; hit <= 10; hit++) {
        player.init(3300, 3300, 0);
        player.health = 100 - 10 * (hit - 1);
        updateProjectile(&shotAtPlayer(w));
        ASSERT_EQ(player.health, 100 - 10 * hit);
    }
    fireProjectile(1, 3100, 3100, 16, 0, 1);  // another shot in flight
    int32_t cursorBefore = projectileCursor;

    Projectile& last = shotAtPlayer(w);
    updateProjectile(&last);

    EXPECT_EQ(player.health, 100);
    EXPECT_EQ(player.body.x, 16320);
    EXPECT_EQ(player.body.y, 16320);
    EXPECT_EQ(player.state, StateAir);
    EXPECT_EQ(player.body.facingLeft, 1) << "faces the way it faced";
    EXPECT_EQ(w->cameraX, 16000);
    EXPECT_EQ(w->cameraY, 16000);
    EXPECT_EQ(w->actorSlots[7], nullptr);
    EXPECT_EQ(actorCursor, 7);
    EXPECT_EQ(projectileCursor, cursorBefore + 1);
    EXPECT_EQ(w->rooms[30][20].spawns[0].armed, 1);
    EXPECT_EQ(point.armed, 1);
    for (const Projectile& projectile : w->projectiles) {
        EXPECT_EQ(projectile.type, ProjectileFree) << "the shot that restarted the game stays free too";
    }
}

// Every room's spawn list is re-armed, up to its count and never past the list.
TEST(Restart, ReArmsEverySpawnPointInItsList) {
    HitWorld w;
    w->rooms[0][0].spawnCount = 1;
    w->rooms[49][49].spawnCount = MaxSpawns;
    w->rooms[12][40].spawnCount = 3;
    w->rooms[12][40].spawns[3].armed = 0;  // beyond the count: left alone
    w->rooms[5][5].spawnCount = MaxSpawns + 20;
    restartGame();
    EXPECT_EQ(w->rooms[0][0].spawns[0].armed, 1);
    EXPECT_EQ(w->rooms[0][0].spawns[1].armed, 0);
    EXPECT_EQ(w->rooms[49][49].spawns[MaxSpawns - 1].armed, 1);
    EXPECT_EQ(w->rooms[12][40].spawns[2].armed, 1);
    EXPECT_EQ(w->rooms[12][40].spawns[3].armed, 0);
    EXPECT_EQ(w->rooms[5][5].spawns[MaxSpawns - 1].armed, 1);
    for (auto& tileRow : w->rooms[5][6].tiles) {
        for (int32_t tile : tileRow) ASSERT_EQ(tile, 0) << "nothing written past the list";
    }
}

TEST(Restart, DeletesEveryEnemy) {
    HitWorld w;
    SpawnPoint points[3] = {};
    for (int32_t slot : {0, 64, 127}) enemyInSlot(w, slot, points[slot % 3]);
    restartGame();
    for (Actor* slot : w->actorSlots) EXPECT_EQ(slot, nullptr);
}

}  // namespace
