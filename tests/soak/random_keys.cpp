#include "tests/soak/random_keys.h"

#include <cstdlib>

#include "actors/behaviours.h"
#include "shell/world.h"

namespace {

// Escape is left out: it would end the game.
constexpr int32_t Keys[] = {KeySpace, KeyX,         KeyZ,           KeyUp,         KeyDown,        KeyRight,
                            KeyLeft,  KeyLeftShift, KeyLeftControl, KeyRightShift, KeyRightControl};
constexpr uint32_t KeyCount = sizeof Keys / sizeof Keys[0];

// Stretch lengths in passes, shortest and spread, for a stand, a run, play, a seek and
// a travel. A shooter fires about once in 60 passes and the player outlasts ten hits,
// so standing in its line takes long. Every other stretch is a travel.
constexpr uint32_t ShortestStretch[] = {100, 30, 20, 700, 600};
constexpr uint32_t StretchSpread[] = {400, 270, 200, 1300, 600};
constexpr uint32_t ChangeOneIn = 4;  // passes of play with a key change
constexpr uint32_t TapOneIn = 8;     // changes that press and release in one pass

// Where a shooter's shots pass: level ones ahead of it, the others straight up or down.
constexpr int32_t LevelBand = 64;  // the enemies' own band for a level shot
constexpr int32_t InFront = 120;
constexpr int32_t CloseEnough = 12;
constexpr int32_t GiveUpAfter = 40;  // passes of seeking without moving

bool shoots(const Actor* enemy) {
    if (!enemy) return false;
    auto behaviour = world->enemyTypes[enemy->enemyType].behaviour;
    return behaviour == standAndShoot || behaviour == hoverAndShoot || behaviour == hoverChaseShoot;
}

// The player's x at which the shooter's next shot meets it.
int32_t lineOfFire(const Actor& shooter) {
    const Body& player = world->player.body;
    int32_t x = shooter.body.x + shooter.body.width / 2 - player.width / 2;
    if (std::abs(player.y - shooter.body.y) > LevelBand) return x;
    return x + (shooter.body.facingLeft ? -InFront : InFront);
}

// Pressed and released in one pass.
void tapKey(int32_t key, std::vector<InputEvent>* events) {
    events->push_back({EventKeyDown, key});
    events->push_back({EventKeyUp, key});
}

void setKey(const uint8_t* keyState, int32_t key, bool down, std::vector<InputEvent>* events) {
    if (bool(keyState[key]) != down) events->push_back({down ? EventKeyDown : EventKeyUp, key});
}

}  // namespace

void RandomKeys::startStretch(const uint8_t* keyState, std::vector<InputEvent>* events) {
    stretch = below(2) ? Travel : Stretch(below(Travel));
    runKey = below(2) ? KeyLeft : KeyRight;
    passesLeft = int32_t(ShortestStretch[stretch] + below(StretchSpread[stretch]));
    if (stretch == Seek) shooterSlot = pickShooter();
    stuckPasses = 0;
    move.clear();
    if (stretch == Play) return;
    for (int32_t key : Keys) setKey(keyState, key, stretch == Run && key == runKey, events);
}

int32_t RandomKeys::pickShooter() {
    std::vector<int32_t> slots;
    for (int32_t slot = 0; slot < ActorSlotCount; slot++) {
        if (shoots(world->actorSlots[slot])) slots.push_back(slot);
    }
    return slots.empty() ? -1 : slots[below(uint32_t(slots.size()))];
}

void RandomKeys::changeKey(const uint8_t* keyState, std::vector<InputEvent>* events) {
    int32_t key = Keys[below(KeyCount)];
    if (below(TapOneIn) == 0) {
        tapKey(key, events);
    } else {
        events->push_back({keyState[key] ? EventKeyUp : EventKeyDown, key});
    }
}

// Runs toward the line of fire, jumping while that gets no nearer, and stands once
// there; gives up on a shooter out of reach or gone.
void RandomKeys::walkToShooter(const uint8_t* keyState, std::vector<InputEvent>* events) {
    const Actor* shooter = shooterSlot >= 0 ? world->actorSlots[shooterSlot] : nullptr;
    int32_t x = world->player.body.x;
    int32_t offset = shoots(shooter) ? lineOfFire(*shooter) - x : 0;
    bool walking = offset < -CloseEnough || offset > CloseEnough;
    setKey(keyState, KeyLeft, offset < -CloseEnough, events);
    setKey(keyState, KeyRight, offset > CloseEnough, events);
    stuckPasses = walking && x == lastX ? stuckPasses + 1 : 0;
    lastX = x;
    if (stuckPasses == 0) return;
    tapKey(KeySpace, events);
    if (stuckPasses == GiveUpAfter) passesLeft = 0;
}

// A run that has stopped moving tries its way out: a jump, a ladder up or down, or back.
void RandomKeys::keepRunning(const uint8_t* keyState, std::vector<InputEvent>* events) {
    const Body& body = world->player.body;
    bool moved = body.x != lastX || body.y != lastY;
    lastX = body.x;
    lastY = body.y;
    if (moved) return;
    switch (below(4)) {
    case 0: tapKey(KeySpace, events); break;
    case 1: setKey(keyState, KeyUp, !keyState[KeyUp], events); break;
    case 2: setKey(keyState, KeyDown, !keyState[KeyDown], events); break;
    default:
        setKey(keyState, runKey, false, events);
        runKey = runKey == KeyLeft ? KeyRight : KeyLeft;
        setKey(keyState, runKey, true, events);
        break;
    }
}

// Plays a planned move; from rest, plans the next one toward the goal's room, and on
// reaching it, toward the next room of the route.
void RandomKeys::travel(std::vector<InputEvent>* events) {
    const Player& player = world->player;
    bool resting = atRest(before, player);
    before = player;
    if (!move.empty()) {
        events->insert(events->end(), move.front().begin(), move.front().end());
        move.pop_front();
        return;
    }
    if (!resting) return;
    RoomXY here{roomOf(player.body.x), roomOf(player.body.y)};
    if (route.empty()) route = visitOrder(here);
    if (here == route[goal]) goal = (goal + 1) % route.size();
    RoomXY next = nextRoomToward(here, route[goal]);
    Plan plan = planToRoom(player, next.x, next.y);
    if (plan.moves.empty()) {
        passesLeft = 0;  // no way from here: play on and try again from elsewhere
        return;
    }
    move.assign(plan.moves.front().begin(), plan.moves.front().end());
}

std::vector<InputEvent> RandomKeys::nextPass(const uint8_t* keyState) {
    std::vector<InputEvent> events;
    if (passesLeft-- <= 0) startStretch(keyState, &events);
    if (stretch == Travel) {
        travel(&events);
    } else if (stretch == Seek) {
        walkToShooter(keyState, &events);
    } else if (stretch == Run) {
        keepRunning(keyState, &events);
    } else if (stretch == Play && below(ChangeOneIn) == 0) {
        changeKey(keyState, &events);
    }
    return events;
}
