#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "actors/actor_slots.h"
#include "actors/behaviours.h"
#include "actors/enemy.h"
#include "tests/actors/actor_fixture.h"

namespace {
bool failArrays = false;  // makes the nothrow array new below fail
}  // namespace

// The form of new the enemies' timer arrays come from, failing on demand.
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return failArrays ? nullptr : std::malloc(size ? size : 1);
}

namespace {

constexpr int32_t RoomX = 20;
constexpr int32_t RoomY = 30;

// A world whose enemy types all hover in place, with a room of three armed spawn points.
struct SlotWorld : TestWorld {
    SlotWorld() {
        for (EnemyType& type : (*this)->enemyTypes) type.behaviour = hoverAndShoot;
        Room& room = (*this)->rooms[RoomX][RoomY];
        room.spawnCount = 3;
        for (int32_t i = 0; i < 3; i++) room.spawns[i] = SpawnPoint{RoomX * 640 + 100 + 100 * i, RoomY * 640 + 300, i, 0, 1};
    }
    Room& room() const { return (*this)->rooms[RoomX][RoomY]; }
    int32_t occupied() const {
        int32_t count = 0;
        for (Actor* slot : (*this)->actorSlots) count += slot != nullptr;
        return count;
    }
};

TEST(SpawnRing, FillsFreeSlotsAfterTheCursorInListOrder) {
    SlotWorld w;
    actorCursor = 127;
    SpawnPoint other{};
    enemyInSlot(w, 1, other);
    w.room().spawns[1].armed = 0;  // still in play from an earlier visit
    spawnRoomEnemies(RoomX, RoomY);
    ASSERT_NE(w->actorSlots[0], nullptr) << "after 127 comes 0";
    EXPECT_EQ(w->actorSlots[0]->spawnPoint, &w.room().spawns[0]);
    ASSERT_NE(w->actorSlots[2], nullptr) << "slot 1 is taken";
    EXPECT_EQ(w->actorSlots[2]->spawnPoint, &w.room().spawns[2]);
    EXPECT_EQ(actorCursor, 2);
    EXPECT_EQ(w.occupied(), 3);
    EXPECT_EQ(w.room().spawns[0].armed + w.room().spawns[2].armed, 0);
}

// With every slot but the cursor's taken nothing is made, and the points stay armed for next time.
TEST(SpawnRing, NeverTakesTheCursorsSlot) {
    SlotWorld w;
    SpawnPoint others[127] = {};
    for (int32_t slot = 0; slot < 127; slot++) enemyInSlot(w, slot, others[slot]);
    actorCursor = 127;
    spawnRoomEnemies(RoomX, RoomY);
    EXPECT_EQ(w->actorSlots[127], nullptr);
    EXPECT_EQ(actorCursor, 127);
    for (int32_t i = 0; i < 3; i++) EXPECT_EQ(w.room().spawns[i].armed, 1);

    delete w->actorSlots[60];
    w->actorSlots[60] = nullptr;
    spawnRoomEnemies(RoomX, RoomY);
    EXPECT_EQ(w->actorSlots[60]->spawnPoint, &w.room().spawns[0]);
    ASSERT_NE(w->actorSlots[127], nullptr) << "no longer the cursor's slot";
    EXPECT_EQ(w->actorSlots[127]->spawnPoint, &w.room().spawns[1]);
    EXPECT_EQ(actorCursor, 127);
    EXPECT_EQ(w.room().spawns[2].armed, 1) << "the table is full again";
}

TEST(SpawnRing, AnEnemyWhoseTimersCannotBeAllocatedLeavesItsSlotEmpty) {
    SlotWorld w;
    failArrays = true;
    spawnRoomEnemies(RoomX, RoomY);
    failArrays = false;
    EXPECT_EQ(w.occupied(), 0);
    EXPECT_EQ(actorCursor, 3) << "the cursor has moved on";
    for (const SpawnPoint& point : w.room().spawns) EXPECT_EQ(point.armed, &point < w.room().spawns + 3);
}

TEST(SpawnRing, IgnoresRoomsOutsideTheWorldAndCountsOnlyTheList) {
    SlotWorld w;
    for (auto room : {std::pair<int32_t, int32_t>{-1, 0}, {0, -1}, {50, 0}, {0, 50}, {-100, 70}}) {
        spawnRoomEnemies(room.first, room.second);
    }
    EXPECT_EQ(w.occupied(), 0);

    w.room().spawnCount = 2;
    spawnRoomEnemies(RoomX, RoomY);
    EXPECT_EQ(w.occupied(), 2);
    EXPECT_EQ(w.room().spawns[2].armed, 1);
}

// After each enemy's update it is judged against the player's room: two rooms away it goes and
// comes back later; within the 3 x 3 block it goes for good once dead or below 0.
TEST(ActorUpdate, RemovalByDistanceThenHealth) {
    struct Case {
        const char* what;
        int32_t roomDx, roomDy;  // the enemy's room from the player's
        int32_t health;
        bool canAct;  // without a behaviour its update ends in StateDead
        bool stays, reArmed;
    } cases[] = {
        {"same room", 0, 0, 20, true, true, false},
        {"diagonal neighbour", 1, -1, 20, true, true, false},
        {"two rooms right", 2, 0, 20, true, false, true},
        {"two rooms up", 0, -2, 20, true, false, true},
        {"health 0", 1, 1, 0, true, true, false},
        {"below 0", 0, 0, -1, true, false, false},
        {"dead", -1, 0, 20, false, false, false},
        {"below 0, two rooms away", -2, 1, -10, true, false, true},
        {"dead, two rooms away", 0, 2, 20, false, false, true},
    };
    for (const Case& c : cases) {
        SlotWorld w;
        if (!c.canAct) w->enemyTypes[0].behaviour = nullptr;
        SpawnPoint& point = w.room().spawns[0];
        point.x = (RoomX + c.roomDx) * 640 + 320;
        point.y = (RoomY + c.roomDy) * 640 + 320;
        Enemy* enemy = enemyInSlot(w, 5, point);
        enemy->health = c.health;
        updateActors(RoomX, RoomY);
        EXPECT_EQ(w->actorSlots[5] != nullptr, c.stays) << c.what;
        EXPECT_EQ(point.armed, c.reArmed ? 1 : 0) << c.what;
    }
}

// Leaving for a neighbour and coming back makes nothing new; after two rooms away the left-behind
// come back anew, while a killed one stays dead.
TEST(ActorUpdate, LeavingAndComingBack) {
    SlotWorld w;
    spawnRoomEnemies(RoomX, RoomY);
    updateActors(RoomX, RoomY);
    Actor* killed = w->actorSlots[1];
    killed->health = -5;
    Actor* hurt = w->actorSlots[3];
    hurt->health = 10;

    updateActors(RoomX + 1, RoomY);
    spawnRoomEnemies(RoomX, RoomY);
    EXPECT_EQ(w.occupied(), 2) << "the killed one is gone; nothing new";

    updateActors(RoomX + 2, RoomY);
    EXPECT_EQ(w.occupied(), 0);
    spawnRoomEnemies(RoomX, RoomY);
    ASSERT_EQ(w.occupied(), 2);
    for (Actor* slot : w->actorSlots) {
        if (!slot) continue;
        EXPECT_NE(slot->spawnPoint, &w.room().spawns[0]) << "the killed one stays dead";
        EXPECT_EQ(slot->health, 20);
        EXPECT_EQ(slot->body.y, RoomY * 640 + 300 - 60);
    }
}

}  // namespace
