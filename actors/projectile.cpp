// The projectile pool: firing into the ring, flying, striking tiles and actors.
#include "actors/projectile.h"

#include "actors/collision.h"
#include "actors/sound_cue.h"
#include "shell/numbers.h"
#include "shell/world.h"

namespace {

constexpr int32_t ProjectileSize = 10;
// Shots live in a window reaching half a screen beyond each side of the view;
// above and below it reaches as far as at the sides.
constexpr int32_t WindowMargin = ScreenWidth / 2;
constexpr int32_t WindowLeft = -WindowMargin;
constexpr int32_t WindowRight = ScreenWidth + WindowMargin;
constexpr int32_t WindowTop = -WindowMargin;
constexpr int32_t WindowBottom = ScreenHeight + WindowMargin;

bool outsideWindow(const Body& body) {
    return body.x < world->cameraX + WindowLeft || body.x > world->cameraX + WindowRight ||
           body.y < world->cameraY + WindowTop || body.y > world->cameraY + WindowBottom;
}

// A broken block leaves the picture as well as play: its room shows an empty tile there.
void breakBlock(int32_t row, int32_t col) {
    world->collisionGrid[row][col] = ClassEmpty;
    world->rooms[col / RoomTiles][row / RoomTiles].tiles[row % RoomTiles][col % RoomTiles] = 0;
}

// True when the tile under the top-left corner stops the shot; a breakable one breaks for good.
bool strikesTile(const Body& body) {
    int32_t row = body.y >> TileShift;
    int32_t col = body.x >> TileShift;
    int32_t cls = cellClass(row, col);
    bool breaks = cls == ClassBreakable || cls == ClassBreakableToo;
    if (breaks) breakBlock(row, col);
    if (breaks || cls == ClassWall) cueFrom(breaks ? CueBlockBreaks : CueShotHitsWall, body);
    return breaks || cls == ClassWall;
}

// True when an actor it overlaps uses it up. Every overlapping enemy is hit.
bool strikesActors(const Projectile& projectile) {
    bool spent = false;
    if (projectile.owner == OwnerPlayer) {
        for (Actor* enemy : world->actorSlots) {
            if (enemy && overlaps(projectile.body, enemy->body) && enemy->hit(projectile)) spent = true;
        }
    } else if (overlaps(projectile.body, world->player.body) && world->player.hit(projectile)) {
        spent = true;
    }
    return spent;
}

bool overlapOnAxis(int32_t a, int32_t aSize, int32_t b, int32_t bSize) { return a < b ? a + aSize > b : a < b + bSize; }

}  // namespace

void fireProjectile(uint8_t owner, int32_t x, int32_t y, int32_t vx, int32_t vy, int32_t type) {
    int32_t j = (projectileCursor + 1) % ProjectilePoolSize;
    while (j != projectileCursor && world->projectiles[j].type != ProjectileFree) j = (j + 1) % ProjectilePoolSize;
    if (j == projectileCursor) return;  // the cursor's own record is never taken

    projectileCursor = j;
    Projectile& projectile = world->projectiles[j];
    projectile.type = type;
    projectile.owner = owner;
    Body& body = projectile.body;
    body.x = x;
    body.y = y;
    body.vx = vx;
    body.vy = vy;
    body.facingLeft = vx < 0 ? 1 : 0;
    body.height = ProjectileSize;
    body.width = ProjectileSize;
    body.rotation = 0;  // drawn unturned
    cueFrom(owner == OwnerPlayer ? CuePlayerShot : CueEnemyShot, body);
}

bool overlaps(Body a, Body b) {
    return overlapOnAxis(a.x, a.width, b.x, b.width) && overlapOnAxis(a.y, a.height, b.y, b.height);
}

int32_t projectileDamage(const Projectile& projectile) {
    if (projectile.type < 0 || projectile.type >= ProjectileTypeCount) return 0;
    return world->projectileTypes[projectile.type].damage;
}

// The record keeps its type until the end of the pass, so every hit of the pass
// deals the damage of the type it was fired with; freeing happens last.
void updateProjectile(Projectile* projectile) {
    Body& body = projectile->body;
    body.x += body.vx;
    body.y += body.vy;
    bool spent = outsideWindow(body);
    if (strikesTile(body)) spent = true;
    if (strikesActors(*projectile)) spent = true;
    // A restart inside a hit has already freed every record; nothing here takes that back.
    if (spent) projectile->type = ProjectileFree;
}
