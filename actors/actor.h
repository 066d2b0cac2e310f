// What the player and the enemies share: everything that moves and can be hit.
#pragma once
#include <cstdint>
#include "actors/body.h"

struct Projectile;
struct SpawnPoint;

enum ActorState : int32_t {
    StateStand = 0,
    StateRun = 1,
    StateCrouch = 2,
    StateAir = 5,
    StateHurt = 6,
    StateAttack = 7,
    StateLadder = 12,
    StateHover = 17,
    StateAirAttack = 18,
    StateDead = 23,
};

class Actor {
public:
    virtual void init(int32_t x, int32_t y, int32_t z);
    virtual void update();
    // True when the projectile is used up.
    virtual bool hit(const Projectile& projectile);
    virtual ~Actor();

    int32_t frame;      // frame of anim being shown
    int32_t anim;       // index into the animation table
    int32_t nextAnim;   // taken when anim has run through; -1 = none
    int32_t state;      // ActorState, or -1
    int32_t nextState;  // taken together with nextAnim
    Body body;
    int32_t health;
    uint8_t* keys;           // player: the live keyboard state, by key symbol
    SpawnPoint* spawnPoint;  // enemy: the point it was made from
    int32_t enemyType;       // enemy: index into enemyTypes
    int32_t attackMode;      // player: fires on the ground and in the air only while 0

protected:
    // Takes the projectile's damage and knocks this actor the way the shot flew.
    void takeHit(const Projectile& projectile);
};
