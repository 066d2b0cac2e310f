// The main loop's pass: key mapping, event order, quitting, and the flood guard.
#include <gtest/gtest.h>

#include "actors/collision.h"
#include "shell/main_loop.h"
#include "shell/platform/platform_null.h"
#include "shell/world.h"
#include "tests/support/test_world.h"

namespace {

void queueKey(int32_t type, int32_t key) { nullPlatformQueue(InputEvent{type, key}); }

// Hurt on the ground with nothing queued: only a key event can change the state now.
void hurtOnTheGround(Player& player) {
    player.state = StateHurt;
    player.nextState = StateStand;
    player.nextAnim = -1;
}

// The player standing on a floor under its start point, after landing.
class MainLoopTest : public ::testing::Test {
protected:
    void SetUp() override {
        world.fillRow(512, 500, 530, ClassWall);
        startPlay();
        for (int pass = 0; pass < 40 && world->player.state != StateStand; pass++) runPass();
        ASSERT_EQ(world->player.state, StateStand);
        ASSERT_EQ(world->player.body.y + world->player.body.height, 512 * 32 - 1);
    }

    TestWorld world;
};

TEST_F(MainLoopTest, PressAndReleaseInOnePassReachThePlayerInQueueOrder) {
    queueKey(EventKeyDown, KeyLeft);
    queueKey(EventKeyUp, KeyLeft);
    int32_t x = world->player.body.x;
    EXPECT_TRUE(runPass());
    // Press then release: turned left, then stopped. The other order would leave it running.
    EXPECT_EQ(world->player.body.facingLeft, 1);
    EXPECT_EQ(world->player.body.vx, 0);
    EXPECT_EQ(world->player.body.x, x);
}

TEST_F(MainLoopTest, EveryMappedKeyReachesThePlayer) {
    // Outside the listed states every key event, pressed or released, makes the player airborne.
    const int32_t mapped[] = {KeySpace, KeyX, KeyZ, KeyUp, KeyDown, KeyRight, KeyLeft, KeyLeftShift, KeyLeftControl};
    for (int32_t key : mapped) {
        for (int32_t type : {EventKeyDown, EventKeyUp}) {
            hurtOnTheGround(world->player);
            queueKey(type, key);
            runPass();
            EXPECT_NE(world->player.state, StateHurt) << "key " << key << " event " << type;
            world->player.init(world->player.body.x, world->player.body.y, 0);
            for (int pass = 0; pass < 5; pass++) runPass();
        }
    }
}

TEST_F(MainLoopTest, UnmappedKeysDoNothing) {
    hurtOnTheGround(world->player);
    const int32_t unmapped[] = {KeyRightShift, KeyRightControl, 'a', 'q', 'y', 13, 282 /* F1 */, 256 /* keypad 0 */};
    for (int32_t key : unmapped) {
        queueKey(EventKeyDown, key);
        queueKey(EventKeyUp, key);
    }
    nullPlatformQueue(InputEvent{EventOther, 0});
    EXPECT_TRUE(runPass());
    EXPECT_EQ(world->player.state, StateHurt);
}

TEST_F(MainLoopTest, EscapeEndsTheLoopAfterCompletingThePass) {
    long swaps = nullPlatformSwapCount();
    queueKey(EventKeyDown, KeyEscape);
    queueKey(EventKeyDown, KeyRight);
    int32_t x = world->player.body.x;
    EXPECT_FALSE(runPass());
    // The rest of the pass still ran: the key after Escape, the player's move, one more frame.
    EXPECT_EQ(world->player.body.x, x + 8);
    EXPECT_EQ(nullPlatformSwapCount(), swaps + 1);
}

TEST_F(MainLoopTest, EscapeReleasedAloneDoesNothing) {
    queueKey(EventKeyUp, KeyEscape);
    EXPECT_TRUE(runPass());
}

TEST_F(MainLoopTest, EscapePressedAndReleasedInOnePassStillQuits) {
    queueKey(EventKeyDown, KeyEscape);
    queueKey(EventKeyUp, KeyEscape);
    EXPECT_FALSE(runPass());
}

TEST_F(MainLoopTest, WindowCloseRequestEndsTheLoop) {
    nullPlatformQueue(InputEvent{EventQuit, 0});
    EXPECT_FALSE(runPass());
}

TEST_F(MainLoopTest, KeyStateShowsEveryChangeOfThePassBeforeTheFirstEventIsHandled) {
    // Firing reads the live arrows: with up pressed later in the same pass the shot already goes up.
    queueKey(EventKeyDown, KeyLeftControl);
    queueKey(EventKeyDown, KeyUp);
    runPass();
    const Projectile* shot = nullptr;
    for (const Projectile& projectile : world->projectiles) {
        if (projectile.type != ProjectileFree) shot = &projectile;
    }
    ASSERT_NE(shot, nullptr);
    EXPECT_EQ(shot->body.vx, 0);
    EXPECT_EQ(shot->body.vy, -16);
}

TEST_F(MainLoopTest, AFloodOfEventsIsSpreadOverPasses) {
    for (int i = 0; i < MaxEventsPerPass; i++) queueKey(EventKeyDown, KeyRightShift);
    queueKey(EventKeyDown, KeyEscape);
    EXPECT_TRUE(runPass()) << "the Escape behind a full pass of events waits for the next pass";
    EXPECT_FALSE(runPass());
}

TEST_F(MainLoopTest, TheStartRoomsEnemiesAreNotBroughtInAtTheStart) {
    SpawnPoint& spawn = world->rooms[25][25].spawns[0];
    world->rooms[25][25].spawnCount = 1;
    spawn = SpawnPoint{16100, 16383, 17, 0, 1};
    world->player.init(16320, 16320, 0);
    for (int pass = 0; pass < 5; pass++) runPass();
    for (Actor* slot : world->actorSlots) EXPECT_EQ(slot, nullptr);
    EXPECT_EQ(spawn.armed, 1);
}

}  // namespace
