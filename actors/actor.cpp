// What every actor shares: do-nothing defaults and being hit.
#include "actors/actor.h"

#include "actors/projectile.h"
#include "content/animation_numbers.h"

void Actor::init(int32_t, int32_t, int32_t) {}

void Actor::update() {}

bool Actor::hit(const Projectile&) { return false; }

Actor::~Actor() {}

void Actor::takeHit(const Projectile& projectile) {
    health -= projectileDamage(projectile);
    body.vx = projectile.body.vx / 2;
    body.vy = KnockUpSpeed;
    state = StateHurt;
    anim = AnimHurt;
    frame = 0;
}
