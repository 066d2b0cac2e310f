// Everything that moves and can be hit: the player and the enemies.
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

    int32_t frame;           // frame of anim being shown
    int32_t anim;            // index into the animation table
    int32_t nextAnim;        // taken when anim has run through; -1 = none
    int32_t state;           // ActorState, or -1
    int32_t nextState;       // taken together with nextAnim
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

class Player : public Actor {
public:
    void init(int32_t x, int32_t y, int32_t z) override;
    void update() override;
    bool hit(const Projectile& projectile) override;

    void handleAction(int32_t action, int32_t pressed);
    // Whether an arrow (or any key) is held in the live keyboard state.
    bool held(int32_t key) const;

    uint32_t partTextures[16];  // one texture per figure part
};

class Enemy : public Actor {
public:
    explicit Enemy(SpawnPoint* point);
    void update() override;
    bool hit(const Projectile& projectile) override;
    ~Enemy() override;

    int32_t (*moveTimers)[2];    // 8 pairs; [0][1] is the wait counter
    int32_t (*attackTimers)[2];  // 8 pairs; [0][1] is the shot counter
    int32_t phase;               // behaviour phase, 0 when made
};

// An enemy made from the point, or null (the point left armed) when it or its
// timers cannot be allocated.
Enemy* newEnemy(SpawnPoint* point);

// Back to the start of play after the player has been hit with no health left.
void restartGame();
