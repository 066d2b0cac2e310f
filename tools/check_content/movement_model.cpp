#include "tools/check_content/movement_model.h"

#include <cstring>

#include "actors/collision.h"
#include "actors/ladder.h"
#include "actors/player_tuning.h"
#include "shell/platform.h"
#include "shell/world.h"

namespace {

constexpr int32_t SteerDelays[] = {8, 14};  // passes into a standing jump before an arrow is held
constexpr int32_t Arrows[] = {-1, 0, 1};    // left, none, right
constexpr int32_t MaxFlightPasses = 600;
constexpr int32_t MaxClimbPasses = 2000;
constexpr int32_t SunkenFeet = 4;  // pixels deep into a wall, under the middle, that count as inside it

uint8_t* keys = nullptr;  // the platform's live key state, which the player reads

Player& probe() { return world->player; }
Body& body() { return world->player.body; }

bool isSolid(int32_t cls) { return cls == ClassWall || cls == ClassBreakable || cls == ClassBreakableToo; }

void place(int32_t x, int32_t y, int32_t vx, int32_t vy) {
    body().x = x;
    body().y = y;
    body().vx = vx;
    body().vy = vy;
}

void hold(bool up, bool down) {
    memset(keys, 0, KeyStateSize);
    keys[KeyUp] = up;
    keys[KeyDown] = down;
}

void keepSpot(bool onLadder, std::vector<Spot>* out) { out->push_back(Spot{body().x, body().y, onLadder}); }

// One pass of the player's physics as its update runs it when no ladder holds it:
// true when it ends on the ground. The arrow held steers in the air.
bool physicsPass(int32_t arrow) {
    body().vy += PlayerGravity;
    bool landed = moveVertical(&probe());
    bool blocked = moveHorizontal(&probe());
    bool grounded = landed && body().vy > 0;
    if (landed) {
        body().vy = 0;
    } else if (arrow != 0) {
        body().vx = arrow * PlayerRunSpeed;
    }
    if (blocked) body().vx = 0;
    return grounded;
}

// On through the air until the probe lands, the arrow held from pass `steerFrom`.
void fly(int32_t arrow, int32_t steerFrom, std::vector<Spot>* out) {
    for (int32_t pass = 0; pass < MaxFlightPasses; pass++) {
        if (physicsPass(pass >= steerFrom ? arrow : 0)) {
            keepSpot(false, out);
            return;
        }
    }
}

// The probe has just left the ground or a ladder: each arrow, or none, held from now on.
void flyEachWay(std::vector<Spot>* out) {
    Body start = body();
    for (int32_t arrow : Arrows) {
        body() = start;
        if (arrow != 0) body().vx = arrow * PlayerRunSpeed;
        fly(arrow, 0, out);
    }
}

// A first pass with the given speed; on into the air each way unless it stays on the ground.
void launch(int32_t x, int32_t y, int32_t vx, int32_t vy, std::vector<Spot>* out) {
    place(x, y, vx, vy);
    if (physicsPass(0)) {
        keepSpot(false, out);
        return;
    }
    flyEachWay(out);
}

// Holds up or down from the probe's state until checkLadder lets go, keeping
// every spot on the ladder; then the same pass goes on with normal physics.
void climb(bool up, int32_t state, std::vector<Spot>* out) {
    probe().state = state;
    probe().nextState = -1;
    hold(up, !up);
    int32_t climbed = 0;
    while (climbed < MaxClimbPasses) {
        int32_t result = checkLadder(&probe());
        if (result != LadderUp && result != LadderDown) break;
        probe().state = StateLadder;
        keepSpot(true, out);
        climbed++;
    }
    hold(false, false);
    if (climbed == 0) return;
    body().vx = 0;
    if (physicsPass(0)) {
        keepSpot(true, out);  // at the ladder's foot, still holding on to it
        return;
    }
    flyEachWay(out);
}

void movesFromGround(const Spot& from, std::vector<Spot>* out) {
    for (int32_t arrow : {-1, 1}) {
        place(from.x, from.y, arrow * PlayerRunSpeed, 0);
        if (physicsPass(arrow)) {
            keepSpot(false, out);
        } else {
            flyEachWay(out);
        }
    }
    for (int32_t arrow : Arrows) launch(from.x, from.y, arrow * PlayerRunSpeed, PlayerJumpSpeed, out);
    for (int32_t arrow : {-1, 1}) {
        for (int32_t delay : SteerDelays) {
            place(from.x, from.y, 0, PlayerJumpSpeed);
            fly(arrow, delay, out);
        }
    }
    // Crouch and jump: the feet go one pixel down into a platform and fall through it.
    launch(from.x, from.y + 1, 0, PlayerDropSpeed, out);

    place(from.x, from.y, 0, 0);
    climb(true, StateStand, out);
    place(from.x, from.y, 0, 0);
    climb(false, StateStand, out);
    place(from.x, from.y + 1, 0, PlayerDropSpeed);
    climb(false, StateCrouch, out);
}

}  // namespace

void startMovementModel() {
    keys = platformKeyState();
    probe().keys = keys;
    body().width = PlayerWidth;
    body().height = PlayerHeight;
    hold(false, false);
}

bool restAfterFall(int32_t x, int32_t y, Spot* rest, int32_t* passes) {
    place(x, y, 0, 0);
    for (*passes = 1; *passes <= MaxFlightPasses; ++*passes) {
        if (physicsPass(0)) {
            *rest = Spot{body().x, body().y, false};
            return true;
        }
    }
    return false;
}

void movesFrom(const Spot& from, std::vector<Spot>* out) {
    if (!from.onLadder) {
        movesFromGround(from, out);
        return;
    }
    // Off a ladder only by jumping.
    launch(from.x, from.y, 0, PlayerJumpSpeed, out);
}

bool insideWall(const Spot& spot) {
    // A pass at rest first: off the top of a slope the feet dip into the next cell for one pass.
    place(spot.x, spot.y, 0, 0);
    physicsPass(0);
    int32_t top = body().y, bottom = body().y + PlayerHeight;
    for (int32_t row = top >> 5; row < bottom >> 5; row++) {
        for (int32_t col = body().x >> 5; col <= (body().x + PlayerWidth) >> 5; col++) {
            if (isSolid(cellClass(row, col))) return true;
        }
    }
    // Standing on a slope, the box's lower corner may overlap the wall beside it.
    return (bottom & 31) >= SunkenFeet && isSolid(cellClass(bottom >> 5, (body().x + PlayerWidth / 2) >> 5));
}
