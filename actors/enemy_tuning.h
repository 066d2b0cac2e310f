// How the enemies move, wait and shoot.
#pragma once
#include <cstdint>

constexpr int32_t EnemyWidth = 30;
constexpr int32_t EnemyHeight = 60;
constexpr int32_t EnemyHealth = 20;

constexpr int32_t EnemyGravity = 2;  // added to vy per pass while falling
constexpr int32_t EnemyWalkSpeed = 8;
constexpr int32_t WaitPasses = 40;      // a wait, and a chase
constexpr int32_t ShotPasses = 20;      // passes after the one that fires
constexpr int32_t ShotHeightBand = 64;  // beyond this the shot goes up or down
constexpr int32_t EnemyShotSpeed = 16;
constexpr int32_t ChaseDivisor = 30;    // speed = distance / this
constexpr int32_t ChaseSpeedLimit = 6;  // on each axis
constexpr int32_t WaveSpeed = 8;        // sideways
constexpr int32_t WaveCyclePasses = 16;
constexpr int32_t WaveStartSpeed = 9;  // downwards, at the start of a cycle
constexpr int32_t WaveTurn = 3;        // change of vy per pass
constexpr int32_t BounceSpeed = 8;     // a bouncer's first leap, up and ahead
constexpr int32_t EnemyShotType = 1;
