// The one record of all game state, and the globals beside it.
#pragma once
#include <cstdint>
#include "actors/player.h"
#include "actors/projectile.h"
#include "shell/numbers.h"
#include "content/animation.h"
#include "content/bitmap.h"
#include "content/room_template.h"
#include "worldgen/maze.h"
#include "worldgen/room.h"
#include "worldgen/type_tables.h"

struct World {
    Room rooms[WorldRooms][WorldRooms];            // [x][y]; spawn points' armed flags change in play
    MazeCell maze[WorldRooms][WorldRooms];         // [x][y]; door masks and chosen templates
    Player player;                                 // the one player figure
    int32_t cameraX;                               // world x of the screen's top-left corner
    int32_t cameraY;                               // world y of the screen's top-left corner
    uint8_t scrollVertical;                        // 1: draw the camera's room and the one below; 0: and the one right
    Actor* actorSlots[ActorSlotCount];             // enemies in play, null = free; each owns its Enemy
    Projectile projectiles[ProjectilePoolSize];    // type -1 = free
    RoomTemplate* roomTemplates;                   // heap array, sorted by door mask
    int32_t templateCount;                         // entries of roomTemplates
    int8_t collisionGrid[WorldTiles][WorldTiles];  // [world tile row][world tile column]
    int32_t firstTemplateByMask[MaskCount];        // index of each mask's first template
    int32_t templateCountByMask[MaskCount];        // number of templates of each mask
    int32_t skinCount;                             // skins in the content list
    int32_t sceneryCount;                          // scenery sets in the content list
    int32_t projectileImageCount;                  // projectile images in the content list
    IndexedBitmap* tileAtlases;                    // one 512 x 256 atlas per scenery set
    IndexedBitmap* backgrounds;                    // one 640 x 640 background per scenery set
    IndexedBitmap* skins;                          // one 64 x 1024 skin per skin name
    IndexedBitmap* projectileImages;               // one 64 x 64 picture per projectile name
    EnemyType enemyTypes[EnemyTypeCount];          // part textures and behaviour of each enemy type
    ProjectileType projectileTypes[ProjectileTypeCount];  // damage and picture of each projectile type
    Animation* animations;                                // heap table in file order
    int32_t animationCount;                               // entries of animations, to release them at the end
    uint32_t tileAtlasTexture;                            // 512 x 256, first scenery set
    uint32_t backgroundTexture;                           // 1024 x 1024, the background in its top-left corner
    uint32_t healthbarTexture;                            // a full health bar segment
    uint32_t itembarTexture;                              // loaded, never drawn
    uint32_t bossbarTexture;                              // loaded, never drawn
    uint32_t emptybarTexture;                             // an empty health bar segment
    uint32_t bulletTexture;                               // loaded, never drawn
    uint32_t keyLegendTexture;                            // the keys and what they do; 0 when data/ has none
    int32_t keyLegendPassesLeft;                          // passes the legend stays up after this one; -1: gone
    uint32_t pauseSignTexture;                            // "Paused", over the paused game
};

extern World* world;              // the one World of the run
extern int32_t actorCursor;       // actor slot filled last
extern int32_t projectileCursor;  // projectile record filled last; never reset

// Room of a world position, in integer division.
inline int32_t roomOf(int32_t pixel) { return pixel / RoomPixels; }
