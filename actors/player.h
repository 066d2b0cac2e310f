// The one figure the keys move.
#pragma once
#include <cstdint>
#include "actors/actor.h"
#include "shell/numbers.h"

class Player : public Actor {
public:
    void init(int32_t x, int32_t y, int32_t z) override;
    void update() override;
    bool hit(const Projectile& projectile) override;

    void handleAction(int32_t action, int32_t pressed);
    // Whether an arrow (or any key) is held in the live keyboard state.
    bool held(int32_t key) const;

    uint32_t partTextures[PartCount];  // one texture per figure part
};
