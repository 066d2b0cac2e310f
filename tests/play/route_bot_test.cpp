// A bot plays the real game through the whole maze: it plans each step with a model
// of the player, sends only key events through the main loop's own pass, shoots the
// enemies that stand level with it, and plans again whenever play turns out otherwise.
// On the way it watches every room entry: no enemy may appear on top of the player.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <set>
#include <string>

#include "actors/player_tuning.h"
#include "tests/support/maze_route.h"
#include "tests/support/player_model.h"
#include "tools/check_content/box_gap.h"
#include "tools/offscreen/play_harness.h"

namespace {

constexpr long MaxPasses = 60000;         // the whole route, restarts included
constexpr int32_t MaxSettlePasses = 400;  // to come to rest after a move
constexpr int32_t ShotReach = 400;        // pixels in front at which a level enemy is shot
constexpr int32_t LevelBand = 30;         // pixels between the middles of level boxes
constexpr int32_t ShotsPerEnemy = 3;
constexpr int32_t ArrivalPasses = 20;  // after a room entry, in which every enemy is watched

Box boxOf(const Body& body) { return Box{body.x, body.y, body.x + body.width, body.y + body.height}; }

class RouteBot {
public:
    explicit RouteBot(PlayHarness& harness) : game(harness) { note(); }

    bool roomsVisited(const std::vector<RoomXY>& goals) {
        for (RoomXY goal : goals) {
            if (!reach(goal)) return false;
        }
        return true;
    }

    long passes() const { return game.passes(); }
    const std::vector<RoomXY>& order() const { return entered; }
    int32_t restarts() const { return restartCount; }
    int32_t roomEntries() const { return entries; }
    int32_t nearestOnArrival() const { return nearestArrival; }
    std::string failure;

private:
    PlayHarness& game;
    std::vector<RoomXY> entered;
    std::set<std::pair<int32_t, int32_t>> seen;
    int32_t restartCount = 0;
    RoomXY lastRoom = here();
    int32_t arrivalPassesLeft = 0;
    int32_t entries = 0;
    int32_t nearestArrival = INT32_MAX;  // gap between boxes, negative for an overlap

    RoomXY here() const { return RoomXY{game.roomX(), game.roomY()}; }

    void note() {
        RoomXY room = here();
        if (!seen.insert({room.x, room.y}).second) return;
        entered.push_back(room);
    }

    void pass(const PassEvents& events) {
        int32_t health = game.player().health;
        for (const InputEvent& event : events) game.queue(event.type, event.key);
        game.pass();
        if (game.player().health > health) restartCount++;
        note();
        watchArrival();
    }

    void watchArrival() {
        if (here() != lastRoom) {
            lastRoom = here();
            arrivalPassesLeft = ArrivalPasses;
            entries++;
        }
        if (arrivalPassesLeft == 0) return;
        arrivalPassesLeft--;
        for (const Actor* enemy : world->actorSlots) {
            if (enemy) nearestArrival = std::min(nearestArrival, boxGap(boxOf(game.player().body), boxOf(enemy->body)));
        }
    }

    bool settle() {
        for (int32_t i = 0; i < MaxSettlePasses; i++) {
            Player before = game.player();
            pass({});
            if (atRest(before, game.player())) return true;
        }
        return false;
    }

    // Crouches, turns to the enemy and fires until it is gone or the shots are spent.
    void shootLevelEnemies() {
        for (int32_t shot = 0; shot < ShotsPerEnemy; shot++) {
            const Actor* target = levelEnemy();
            if (!target) return;
            int32_t arrow = target->body.x < game.player().body.x ? KeyLeft : KeyRight;
            pass({{EventKeyDown, KeyDown}});
            pass({{EventKeyDown, arrow}, {EventKeyUp, arrow}});
            pass({{EventKeyDown, KeyLeftControl}});
            pass({{EventKeyUp, KeyLeftControl}});
            for (int32_t i = 0; i < MaxSettlePasses && game.player().state == StateAttack; i++) pass({});
            pass({{EventKeyUp, KeyDown}});
            settle();
        }
    }

    const Actor* levelEnemy() const {
        const Body& me = game.player().body;
        for (const Actor* enemy : world->actorSlots) {
            if (!enemy || enemy->health <= 0) continue;
            const Body& it = enemy->body;
            bool sameRoom = roomOf(it.x) == roomOf(me.x) && roomOf(it.y) == roomOf(me.y);
            int32_t dy = (it.y + it.height / 2) - (me.y + me.height / 2);
            int32_t dx = it.x - me.x;
            if (sameRoom && dy >= -LevelBand && dy <= LevelBand && dx >= -ShotReach && dx <= ShotReach) return enemy;
        }
        return nullptr;
    }

    bool follow(const Plan& plan) {
        for (size_t i = 0; i < plan.moves.size(); i++) {
            for (const PassEvents& events : plan.moves[i]) pass(events);
            if (!settle() || !(snapshotOf(game.player()) == plan.expected[i])) return false;
        }
        return true;
    }

    bool reach(RoomXY goal) {
        while (here() != goal) {
            if (game.passes() > MaxPasses) {
                failure = "out of passes";
                return false;
            }
            if (!settle()) {
                failure = "the player does not come to rest";
                return false;
            }
            shootLevelEnemies();
            RoomXY next = nextRoomToward(here(), goal);
            Plan plan = planToRoom(game.player(), next.x, next.y);
            if (plan.moves.empty()) {
                char text[160];
                snprintf(text, sizeof text, "no way found from (%d, %d) at (%d, %d) to room (%d, %d)", here().x,
                         here().y, game.player().body.x, game.player().body.y, next.x, next.y);
                failure = text;
                return false;
            }
            follow(plan);
        }
        return true;
    }
};

TEST(RouteBot, VisitsEveryMazeRoomAndComesBack) {
    PlayHarness game;
    ASSERT_TRUE(game.ok()) << "the World could not be built from data/";
    RoomXY start{roomOf(PlayerStartX), roomOf(PlayerStartY)};
    std::vector<RoomXY> goals = visitOrder(start);
    ASSERT_EQ(goals.size(), size_t(MazeCarvedCells));
    goals.push_back(start);

    RouteBot bot(game);
    bool done = bot.roomsVisited(goals);

    printf(
        "route: %ld passes, %d restarts; %d room entries, the nearest an enemy came in the %d passes after "
        "one: %d pixels\n",
        bot.passes(), bot.restarts(), bot.roomEntries(), ArrivalPasses, bot.nearestOnArrival());
    EXPECT_GE(bot.nearestOnArrival(), 0) << "an enemy appeared on top of the player";
    EXPECT_TRUE(done) << bot.failure;
    EXPECT_EQ(bot.order().size(), size_t(MazeCarvedCells));
    for (RoomXY room : goals) EXPECT_EQ(world->maze[room.x][room.y].state, CellCarved);
}

}  // namespace
